#include "core/base/platformerror.h"
#include "core/base/wholefile.h"
#include "support/hostile.h"
#include "support/scratchfolder.h"

#include <fcntl.h>
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
    try {
        WriteWholeFile(bad, {});
    } catch (const PlatformError& error) {
        EXPECT_EQ(error.TextKind(), PlatformError::Kind::CannotCreate);
        EXPECT_EQ(error.Subject(), bad);
    }
}

// The size the file system reports is checked before reading: a sparse file far past
// the limit is refused without its bytes being read.
TEST(WholeFile, ATooLargeFileIsRefusedByItsSize) {
    test::ScratchFolder folder;
    WriteWholeFile(folder.File("big"), Bytes(100, 7));
    ASSERT_EQ(::truncate(folder.File("big").c_str(), off_t{1} << 40), 0);
    EXPECT_EQ(ErrorOf([&] { ReadWholeFile(folder.File("big")); }),
              "other: The file " + folder.File("big") + " is too large");
    EXPECT_EQ(ReadFileStart(folder.File("big"), 3), (Bytes{7, 7, 7}));
}

TEST(WholeFile, ReadsOnlyRegularFiles) {
    test::ScratchFolder folder;
    ASSERT_EQ(::mkfifo(folder.File("fifo").c_str(), 0600), 0);
    EXPECT_THROW(ReadWholeFile(folder.File("fifo")), PlatformError);
    EXPECT_THROW(ReadWholeFile(folder.Path()), PlatformError);
}

// A scratch file is always a fresh file of this user's alone: whatever stands in its
// place (a file of someone else's, a FIFO, a link) is refused and left as it is.
TEST(WholeFile, ScratchFilesAreFreshAndPrivate) {
    test::ScratchFolder folder;
    const std::string scratch = folder.File("qelbtmp.bmp");
    {
        const RemoveFileOnExit file = WriteScratchFile(scratch, Bytes{1});
        struct stat status {};
        ASSERT_EQ(::stat(scratch.c_str(), &status), 0);
        EXPECT_EQ(status.st_mode & 0777, 0600u);
        EXPECT_EQ(ReadWholeFile(scratch), Bytes{1});
    }
    EXPECT_NE(::access(scratch.c_str(), F_OK), 0) << "removed when its owner goes";

    const std::string victim = folder.File("victim");
    const std::pair<const char*, std::function<void()>> planted[] = {
        {"a file of someone else's",
         [&] {
             WriteWholeFile(scratch, Bytes{42});
             ::chmod(scratch.c_str(), 0666);
             if (test::RunAsAdministrator()) {
                 ASSERT_EQ(::chown(scratch.c_str(), test::NobodyId, test::NobodyId), 0);
             }
         }},
        {"a FIFO", [&] { ASSERT_EQ(::mkfifo(scratch.c_str(), 0666), 0); }},
        {"a link", [&] { ASSERT_EQ(::symlink(victim.c_str(), scratch.c_str()), 0); }},
        {"a dangling link", [&] { ASSERT_EQ(::symlink("nowhere", scratch.c_str()), 0); }},
    };
    for (const auto& [name, plant] : planted) {
        WriteWholeFile(victim, Bytes{42});
        ::unlink(scratch.c_str());
        plant();
        struct stat before {};
        ASSERT_EQ(::lstat(scratch.c_str(), &before), 0) << name;
        EXPECT_THROW((void)WriteScratchFile(scratch, Bytes{1, 2, 3}), PlatformError) << name;
        struct stat after {};
        ASSERT_EQ(::lstat(scratch.c_str(), &after), 0) << name;
        EXPECT_EQ(after.st_ino, before.st_ino) << name;
        EXPECT_EQ(after.st_uid, before.st_uid) << name;
        EXPECT_EQ(after.st_mode, before.st_mode) << name;
        EXPECT_EQ(after.st_size, before.st_size) << name;
        EXPECT_EQ(ReadWholeFile(victim), Bytes{42}) << name;
    }
}

} // namespace
} // namespace tessaly
