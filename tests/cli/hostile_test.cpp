// tessaly-pac under the conditions an adversary makes: outputs that fail half way (a
// full disk, folders and files the user may not write, a signal), its promises about
// standard output, padding and checks, and one sync per command.

#include "core/art/builtinpictures.h"
#include "core/base/wholefile.h"
#include "core/bitmap/bmpcodec.h"
#include "core/package/roompackage.h"
#include "support/hostile.h"
#include "support/packagebytes.h"
#include "support/toolrun.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace tessaly {
namespace {

using test::Tool;
using Snapshot = std::map<std::string, Bytes>;

// The files of a folder and their bytes; temporaries (".name") are listed apart.
Snapshot Take(const std::string& folder) {
    Snapshot files;
    for (const std::string& name : test::NamesIn(folder)) {
        if (name.front() != '.') {
            files[name] = ReadWholeFile(folder + "/" + name);
        }
    }
    return files;
}

void Put(const std::string& folder, const Snapshot& files) {
    std::filesystem::create_directories(folder);
    for (const auto& [name, bytes] : files) {
        WriteWholeFile(folder + "/" + name, bytes);
    }
}

// The program itself in a child process, its output thrown away (or sent to a file).
class ToolProcess {
  public:
    explicit ToolProcess(const std::vector<std::string>& words, bool asNobody = false,
                         const std::string& out = "/dev/null") {
        std::vector<std::string> command;
        if (asNobody) {
            command = {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
        }
        command.push_back(TESSALY_PAC);
        command.insert(command.end(), words.begin(), words.end());
        std::vector<char*> argv;
        for (std::string& word : command) {
            argv.push_back(word.data());
        }
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
            pid_ = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
    }
    bool Ended() {
        return !running_ || (::waitpid(pid_, &status_, WNOHANG) == pid_ && !(running_ = false));
    }
    int Wait() {
        if (running_ && ::waitpid(pid_, &status_, 0) == pid_) {
            running_ = false;
        }
        return status_;
    }
    void Signal(int signal) const { ::kill(pid_, signal); }

  private:
    pid_t pid_ = -1;
    int status_ = -1;
    bool running_ = true;
};

bool ExitedWith(int status, int code) {
    return WIFEXITED(status) && WEXITSTATUS(status) == code;
}

// Package A is the built-in room; package B has another first pixel in every picture,
// so that any mix of the two shows in the files.
Bytes PackageB() {
    return EncodeRoomPackage(test::ShippedHeaderTemplate(), {"B", "", ""}, [](PartSlot slot) {
        SlotPicture picture = BuiltInPicture(slot);
        picture.pixels[0] ^= 1;
        return PackageBitmap(picture);
    });
}

// One command's outputs: what A gave before, what B gives, and how to make B's.
struct Command {
    const char* name;
    std::function<std::vector<std::string>(const std::string& out)> words;
};

class ToolOutputTest : public testing::Test {
  protected:
    ToolOutputTest() {
        ::chmod(folder.Path().c_str(), 0755);
        EXPECT_EQ(Tool({"new", File("a.pac"), "--name", "A"}).status, 0);
        WriteWholeFile(File("b.pac"), PackageB());
        EXPECT_EQ(Tool({"unpack", File("b.pac"), File("parts-b")}).status, 0);
    }
    std::string File(const std::string& name) const { return folder.File(name); }

    const std::vector<Command> commands{
        {"unpack",
         [this](const std::string& out) {
             return std::vector<std::string>{"unpack", File("b.pac"), out};
         }},
        {"render-all",
         [this](const std::string& out) {
             return std::vector<std::string>{"render-all", File("b.pac"), out, "--sheet",
                                             out + "/sheet.jpg"};
         }},
        {"pack",
         [this](const std::string& out) {
             return std::vector<std::string>{"pack", File("parts-b"), out + "/room.pac"};
         }},
    };

    // The outputs of a command for package A and for package B, made in fresh folders.
    std::pair<Snapshot, Snapshot> Outputs(const Command& command) {
        const auto run = [&](const std::string& out, const std::string& from) {
            std::vector<std::string> words = command.words(out);
            std::replace(words.begin(), words.end(), File("b.pac"), File(from));
            if (std::string(command.name) == "pack") {
                std::filesystem::create_directories(out);
                EXPECT_EQ(Tool({"unpack", File(from), File("parts-" + from)}).status, 0);
                words[1] = File("parts-" + from);
            }
            EXPECT_EQ(Tool(words).status, 0) << command.name;
            return Take(out);
        };
        return {run(File(std::string("old-") + command.name), "a.pac"),
                run(File(std::string("new-") + command.name), "b.pac")};
    }

    test::ScratchFolder folder;
};

std::size_t DiskBytes(const Snapshot& files) {
    std::size_t bytes = 0;
    for (const auto& [name, content] : files) {
        bytes += (content.size() + 4095) / 4096 * 4096;
    }
    return bytes;
}

// Whatever happens to a command that replaces earlier outputs, they stay as they were
// or are all replaced, and no temporary file stays.
TEST_F(ToolOutputTest, AllOrNothing) {
    if (!test::RunAsAdministrator()) {
        GTEST_SKIP() << "needs the administrator to mount a small disk and to become nobody";
    }
    for (const Command& command : commands) {
        const auto [old, made] = Outputs(command);
        ASSERT_NE(old, made);
        // A disk with room for the old outputs and not much more.
        {
            test::SmallDisk disk(DiskBytes(old) * 3 / 2 / 1024);
            ASSERT_TRUE(disk.Mounted());
            Put(disk.Path(), old);
            EXPECT_TRUE(ExitedWith(ToolProcess(command.words(disk.Path())).Wait(), 2))
                << command.name;
            EXPECT_EQ(Take(disk.Path()), old) << command.name << ", full disk";
            EXPECT_TRUE(test::HiddenNamesIn(disk.Path()).empty()) << command.name;
        }
        // Outputs of someone else's, in their folder.
        {
            const std::string out = File(std::string("theirs-") + command.name);
            Put(out, old);
            EXPECT_TRUE(ExitedWith(ToolProcess(command.words(out), true).Wait(), 2))
                << command.name;
            EXPECT_EQ(Take(out), old) << command.name << ", not the user's";
        }
        // Interrupted as soon as its first temporary file appears.
        for (int signal : {SIGINT, SIGTERM}) {
            const std::string out = File(std::string("signal-") + command.name);
            std::filesystem::remove_all(out);
            Put(out, old);
            ToolProcess tool(command.words(out));
            while (!tool.Ended() && test::HiddenNamesIn(out).empty()) {
                std::this_thread::sleep_for(std::chrono::microseconds(50));
            }
            tool.Signal(signal);
            const int status = tool.Wait();
            const bool interrupted = WIFSIGNALED(status) && WTERMSIG(status) == signal;
            EXPECT_TRUE(interrupted || ExitedWith(status, 0)) << command.name << " " << status;
            EXPECT_EQ(Take(out), interrupted ? old : made) << command.name << ", signal " << signal;
            EXPECT_TRUE(test::HiddenNamesIn(out).empty()) << command.name << ", signal " << signal;
        }
    }
}

// Each command that writes files syncs them once (one call per file system written).
TEST_F(ToolOutputTest, OneSyncPerCommand) {
    if (::access("/usr/bin/strace", X_OK) != 0) {
        GTEST_SKIP() << "needs strace";
    }
    for (const Command& command : commands) {
        const std::string out = File(std::string("synced-") + command.name);
        std::filesystem::create_directories(out);
        std::vector<std::string> words = {
            "-f",       "-qq", "-o", File("trace"), "-e", "trace=fsync,fdatasync,syncfs,sync,msync",
            TESSALY_PAC};
        for (const std::string& word : command.words(out)) {
            words.push_back(word);
        }
        std::string line = "/usr/bin/strace";
        for (const std::string& word : words) {
            line += " '" + word + "'";
        }
        if (std::system((line + " >/dev/null 2>&1").c_str()) != 0) {
            GTEST_SKIP() << "strace cannot trace here";
        }
        std::ifstream trace(File("trace"));
        int syncs = 0;
        for (std::string call; std::getline(trace, call);) {
            syncs += call.find("sync") != std::string::npos;
        }
        EXPECT_GE(syncs, 1) << command.name;
        EXPECT_LE(syncs, 2) << command.name;
    }
}

TEST(ToolPromises, StandardOutputThatCannotBeWrittenIsAFailure) {
    test::ScratchFolder folder;
    ASSERT_EQ(Tool({"new", folder.File("a.pac")}).status, 0);
    for (const char* command : {"info", "check"}) {
        EXPECT_TRUE(
            ExitedWith(ToolProcess({command, folder.File("a.pac")}, false, "/dev/full").Wait(), 2))
            << command;
    }
}

TEST(ToolPromises, ArgumentsExtensionsAndTheSheetTarget) {
    test::ScratchFolder folder;
    ASSERT_EQ(Tool({"new", folder.File("a.pac")}).status, 0);
    const cli::Arguments arguments =
        cli::ParseArguments({"--night", "--", "--odd.jpg", "--door"}, {"--door"}, {"--night"});
    EXPECT_EQ(arguments.positional, (std::vector<std::string>{"--odd.jpg", "--door"}));
    EXPECT_TRUE(arguments.Flag("--night"));

    EXPECT_EQ(Tool({"render", folder.File("a.pac"), folder.File("OUT.JPG")}).status, 0);
    EXPECT_EQ(ReadWholeFile(folder.File("OUT.JPG"))[0], 0xFF);

    const test::ToolRun sheet = Tool({"render-all", folder.File("a.pac"), folder.File("all"),
                                      "--sheet", folder.File("missing/s.jpg")});
    EXPECT_EQ(sheet.status, 2);
    EXPECT_EQ(sheet.err, "tessaly-pac: " + folder.File("missing/s.jpg") + ": cannot be written\n");
    EXPECT_EQ(test::NamesIn(folder.Path()), (std::vector<std::string>{"OUT.JPG", "a.pac"}));
}

// What tessaly-pac writes, check passes: a package of small pictures is padded to the
// minimum; the built-in letters' own tables are as designed; junk after the last entry
// is reported.
TEST(ToolPromises, CheckAgreesWithWhatIsWritten) {
    test::ScratchFolder folder;
    ASSERT_EQ(Tool({"new", folder.File("a.pac")}).status, 0);
    EXPECT_EQ(Tool({"check", folder.File("a.pac")}).out, "0 problems, 0 warnings\n");

    ASSERT_EQ(Tool({"unpack", folder.File("a.pac"), folder.File("parts")}).status, 0);
    for (PartSlot slot = 0; slot < SlotCount; ++slot) {
        const SlotPicture built = BuiltInPicture(slot);
        WriteWholeFile(folder.File("parts/" + cli::SlotFileName(slot)),
                       EncodeBmp(SlotPicture::Blank(4, 4, built.bitsPerPixel, built.colourTable)));
    }
    ASSERT_EQ(Tool({"pack", folder.File("parts"), folder.File("small.pac")}).status, 0);
    EXPECT_EQ(ReadWholeFile(folder.File("small.pac")).size(), MinPackageSize);
    const test::ToolRun small = Tool({"check", folder.File("small.pac")});
    EXPECT_EQ(small.status, 0);
    EXPECT_NE(small.out.find("0 problems, 40 warnings"), std::string::npos) << small.out;

    Bytes junk = ReadWholeFile(folder.File("a.pac"));
    junk.resize(junk.size() + (1 << 20), 0x5A);
    WriteWholeFile(folder.File("junk.pac"), junk);
    const test::ToolRun checked = Tool({"check", folder.File("junk.pac")});
    EXPECT_EQ(checked.status, 0);
    EXPECT_EQ(checked.out,
              "warning: 1048576 bytes follow the last entry\n0 problems, 1 warnings\n");
}

} // namespace
} // namespace tessaly
