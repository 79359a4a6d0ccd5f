#include "core/base/platformerror.h"
#include "core/base/wholefile.h"
#include "support/scratchfolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tessaly {
namespace {

// The kind of error an action raises, and its text.
std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const FileOpenError& error) {
        return std::string("open: ") + error.what();
    } catch (const FileCreateError& error) {
        return std::string("create: ") + error.what();
    } catch (const PlatformError& error) {
        return std::string("other: ") + error.what();
    }
    return "no error";
}

TEST(WholeFile, WritesAndReadsBack) {
    test::ScratchFolder folder;
    const Bytes bytes{1, 2, 3, 0, 255};
    WriteWholeFile(folder.File("a"), bytes);
    EXPECT_EQ(ReadWholeFile(folder.File("a")), bytes);
    WriteWholeFile(folder.File("a"), Bytes{9});
    EXPECT_EQ(ReadWholeFile(folder.File("a")), Bytes{9});
}

TEST(WholeFile, FailuresCarryThePlatformTexts) {
    test::ScratchFolder folder;
    const std::string missing = folder.File("missing");
    EXPECT_EQ(ErrorOf([&] { ReadWholeFile(missing); }),
              "open: ファイル " + missing + " は開けません");
    const std::string bad = folder.File("no/such/dir");
    EXPECT_EQ(ErrorOf([&] { WriteWholeFile(bad, {}); }),
              "create: ファイル " + bad + " を作成できません");
    EXPECT_EQ(ErrorOf([&] { WriteFileAtomically(bad, {}); }),
              "create: ファイル " + bad + " を作成できません");
    WriteWholeFile(folder.File("big"), Bytes(100, 7));
    EXPECT_EQ(ErrorOf([&] { ReadWholeFile(folder.File("big"), 99); }),
              "other: The file " + folder.File("big") + " is too large");
}

TEST(WholeFile, ReadsOnlyRegularFiles) {
    test::ScratchFolder folder;
    ASSERT_EQ(::mkfifo(folder.File("fifo").c_str(), 0600), 0);
    EXPECT_THROW(ReadWholeFile(folder.File("fifo")), PlatformError);
    EXPECT_THROW(ReadWholeFile(folder.Path()), PlatformError);
}

TEST(WholeFile, ScratchFilesArePrivateAndRefuseALinkInTheirPlace) {
    test::ScratchFolder folder;
    const std::string scratch = folder.File("qelbtmp.bmp");
    WriteScratchFile(scratch, Bytes{1});
    struct stat status {};
    ASSERT_EQ(::stat(scratch.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);

    const std::string victim = folder.File("victim");
    WriteWholeFile(victim, Bytes{42});
    ::unlink(scratch.c_str());
    ASSERT_EQ(::symlink(victim.c_str(), scratch.c_str()), 0);
    EXPECT_THROW(WriteScratchFile(scratch, Bytes{1, 2, 3}), PlatformError);
    EXPECT_EQ(ReadWholeFile(victim), Bytes{42});
}

} // namespace
} // namespace tessaly
