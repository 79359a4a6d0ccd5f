#include "core/base/outputset.h"
#include "core/base/platformerror.h"
#include "support/hostile.h"

#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tessaly {
namespace {

const Bytes Old{'o', 'l', 'd'};
const Bytes New{'n', 'e', 'w', '!'};

struct stat StatusOf(const std::string& path) {
    struct stat status {};
    ::lstat(path.c_str(), &status);
    return status;
}

// The subject of the cannot-create error that writing raises, or "" when it succeeds.
std::string RefusedTarget(const std::function<void()>& write) {
    try {
        write();
    } catch (const PlatformError& error) {
        EXPECT_EQ(error.TextKind(), PlatformError::Kind::CannotCreate);
        return error.Subject();
    }
    return {};
}

class OutputSetTest : public testing::Test {
  protected:
    std::string File(const std::string& name) const { return folder.File(name); }
    void Plant(const std::string& name, mode_t mode = 0644) const {
        WriteWholeFile(File(name), Old);
        ::chmod(File(name).c_str(), mode);
    }
    test::ScratchFolder folder;
};

// Each kind of target: what is written, where, with which mode; or refused with the
// cannot-create error naming the target, the planted file as it was. No temporary
// file stays in any case.
TEST_F(OutputSetTest, TargetsAreReplacedHonestlyOrRefused) {
    const std::string longName(255, 'n');
    struct Case {
        const char* name;
        std::function<void()> plant;
        std::string target;
        std::string written; // the file that gets the bytes; "" when refused
        mode_t mode;
    };
    const mode_t mask = ::umask(0);
    ::umask(mask);
    const Case cases[] = {
        {"a new file", [] {}, File("new"), File("new"), 0666 & ~mask},
        {"an existing file keeps its mode", [&] { Plant("kept", 0640); }, File("kept"),
         File("kept"), 0640},
        {"a read-only file", [&] { Plant("readonly", 0444); }, File("readonly"), "", 0444},
        {"a link is written through",
         [&] {
             Plant("linked", 0604);
             ::symlink("linked", File("link").c_str());
         },
         File("link"), File("linked"), 0604},
        {"a link to a link to a new file",
         [&] {
             ::symlink("second", File("first").c_str());
             ::symlink(File("made").c_str(), File("second").c_str());
         },
         File("first"), File("made"), 0666 & ~mask},
        {"a name of 255 bytes", [&] { Plant(longName, 0600); }, File(longName), File(longName),
         0600},
        {"a missing folder", [] {}, File("missing/x"), "", 0},
        {"a folder", [&] { ::mkdir(File("folder").c_str(), 0755); }, File("folder"), "", 0},
        {"a FIFO", [&] { ::mkfifo(File("fifo").c_str(), 0666); }, File("fifo"), "", 0},
        {"a link loop", [&] { ::symlink("loop", File("loop").c_str()); }, File("loop"), "", 0},
    };
    for (const Case& c : cases) {
        c.plant();
        const std::string refused = RefusedTarget([&] { WriteFileAtomically(c.target, New); });
        if (c.written.empty()) {
            EXPECT_EQ(refused, c.target) << c.name;
        } else {
            EXPECT_EQ(refused, "") << c.name;
            EXPECT_EQ(ReadWholeFile(c.written), New) << c.name;
            EXPECT_EQ(StatusOf(c.written).st_mode & 07777, c.mode) << c.name;
        }
        EXPECT_TRUE(test::HiddenNamesIn(folder.Path()).empty()) << c.name;
    }
    EXPECT_TRUE(S_ISLNK(StatusOf(File("link")).st_mode));
    EXPECT_EQ(ReadWholeFile(File("readonly")), Old);
}

// As an ordinary user: a file of someone else's is refused even in a folder the user
// may write, and a file the user may write in a folder they may not is written in place.
TEST_F(OutputSetTest, AsAnOrdinaryUserPermissionsDecide) {
    ::chmod(folder.Path().c_str(), 0777);
    ::mkdir(File("closed").c_str(), 0755);
    Plant("others", 0644);
    Plant("closed/open", 0666);
    const ino_t inode = StatusOf(File("closed/open")).st_ino;
    const std::optional<int> status = test::RunAsNobody([&] {
        const bool othersRefused =
            RefusedTarget([&] { WriteFileAtomically(File("others"), New); }) == File("others");
        const bool inPlace =
            RefusedTarget([&] { WriteFileAtomically(File("closed/open"), New); }).empty();
        return othersRefused && inPlace ? 0 : 1;
    });
    if (!status) {
        GTEST_SKIP() << "needs the administrator to become another user";
    }
    EXPECT_EQ(*status, 0);
    EXPECT_EQ(ReadWholeFile(File("others")), Old);
    EXPECT_EQ(ReadWholeFile(File("closed/open")), New);
    EXPECT_EQ(StatusOf(File("closed/open")).st_ino, inode) << "written in place";
    EXPECT_TRUE(test::HiddenNamesIn(File("closed")).empty());
}

TEST_F(OutputSetTest, AllOrNothing) {
    Plant("a");
    {
        OutputSet output;
        output.CreateFolder(File("made/deeper"));
        output.Add(File("a"), New);
        output.Add(File("made/deeper/b"), New);
        EXPECT_THROW(output.Add(File("missing/c"), New), PlatformError);
    }
    EXPECT_EQ(ReadWholeFile(File("a")), Old);
    EXPECT_EQ(test::NamesIn(folder.Path()), std::vector<std::string>{"a"});

    OutputSet output;
    output.CreateFolder(File("made/deeper"));
    output.Reserve(File("b"));
    output.Add(File("a"), New);
    output.Add(File("made/deeper/c"), New);
    output.Add(File("b"), New);
    output.Commit();
    EXPECT_EQ(ReadWholeFile(File("a")), New);
    EXPECT_EQ(ReadWholeFile(File("b")), New);
    EXPECT_EQ(ReadWholeFile(File("made/deeper/c")), New);
    EXPECT_TRUE(test::HiddenNamesIn(folder.Path()).empty());
}

TEST_F(OutputSetTest, AFullDiskLeavesTheOldFiles) {
    test::SmallDisk disk(64);
    if (!disk.Mounted()) {
        GTEST_SKIP() << "needs the administrator to mount a small disk";
    }
    WriteWholeFile(disk.File("a"), Old);
    WriteWholeFile(disk.File("b"), Old);
    EXPECT_THROW(WriteFileAtomically(disk.File("a"), Bytes(100 << 10, 1)), PlatformError);
    {
        OutputSet output;
        output.Add(disk.File("a"), Bytes(30 << 10, 1));
        EXPECT_THROW(output.Add(disk.File("b"), Bytes(40 << 10, 2)), PlatformError);
    }
    EXPECT_EQ(ReadWholeFile(disk.File("a")), Old);
    EXPECT_EQ(ReadWholeFile(disk.File("b")), Old);
    EXPECT_EQ(test::NamesIn(disk.Path()), (std::vector<std::string>{"a", "b"}));
}

// A signal that ends the process before the set is committed removes its temporary
// files and the folders it made; the targets stay as they were.
TEST_F(OutputSetTest, ASignalLeavesNothingBehind) {
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        Plant("a");
        test::ChildProcess child([&] {
            OutputSet output;
            output.CreateFolder(File("made"));
            output.Add(File("a"), New);
            output.Add(File("made/b"), New);
            ::raise(signal);
            return 0;
        });
        const int status = child.Wait();
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal;
        EXPECT_EQ(ReadWholeFile(File("a")), Old) << signal;
        EXPECT_EQ(test::NamesIn(folder.Path()), std::vector<std::string>{"a"}) << signal;
    }
}

} // namespace
} // namespace tessaly
