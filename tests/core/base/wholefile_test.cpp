#include "core/base/platformerror.h"
#include "core/base/wholefile.h"
#include "support/scratchfolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tessaly {
namespace {

std::string ErrorText(const std::function<void()>& action) {
    try {
        action();
    } catch (const PlatformError& error) {
        return error.what();
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
    EXPECT_EQ(ErrorText([&] { ReadWholeFile(missing); }), "ファイル " + missing + " は開けません");
    const std::string bad = folder.File("no/such/dir");
    EXPECT_EQ(ErrorText([&] { WriteWholeFile(bad, {}); }), "ファイル " + bad + " を作成できません");
    WriteWholeFile(folder.File("big"), Bytes(100, 7));
    EXPECT_EQ(ErrorText([&] { ReadWholeFile(folder.File("big"), 99); }),
              "The file " + folder.File("big") + " is too large");
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
