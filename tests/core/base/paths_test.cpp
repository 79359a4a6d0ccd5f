#include "core/base/paths.h"
#include "core/base/platformerror.h"
#include "core/base/wholefile.h"
#include "support/hostile.h"

#include <csignal>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tessaly {
namespace {

TEST(ProgramDir, KeepsNoTrailingSeparator) {
    const std::pair<const char*, const char*> cases[] = {
        {"/opt/tools/tessaly", "/opt/tools"},
        {"/tessaly", ""},
        {"tessaly", "."},
    };
    for (const auto& [file, folder] : cases) {
        EXPECT_EQ(ProgramDirOf(file), folder) << file;
    }
}

// Sets or clears an environment variable for one test and puts it back afterwards.
class EnvironmentVariable {
  public:
    EnvironmentVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~EnvironmentVariable() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

std::string FolderOf(const std::string& path) {
    return path.substr(0, path.find_last_of('/'));
}

bool IsPrivateFolder(const std::string& folder) {
    struct stat status {};
    return ::lstat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == ::geteuid() && (status.st_mode & 0777) == 0700;
}

TEST(ScratchFiles, LieInAFolderOfTheProcessInsideTemp) {
    test::ScratchFolder temp;
    EnvironmentVariable variable("TEMP", temp.Path().c_str());
    SetScratchClock([] { return 1700000000L; });
    const std::string folder = ScratchDir();
    EXPECT_EQ(FolderOf(folder), temp.Path());
    EXPECT_TRUE(IsPrivateFolder(folder));
    EXPECT_EQ(ScratchDir(), folder);
    EXPECT_EQ(PackageScratchPath(), folder + "/qelbtmp.bmp");
    EXPECT_EQ(PictureScratchPath(), folder + "/qelb1700000000.bmp");
    SetScratchClock(nullptr);

    test::ScratchFolder other;
    EnvironmentVariable changed("TEMP", other.Path().c_str());
    EXPECT_EQ(FolderOf(ScratchDir()), other.Path());
    EXPECT_TRUE(test::NamesIn(temp.Path()).empty()) << "the earlier folder is removed";
}

TEST(ScratchFiles, WithoutTempTheyLieInThisUsersPrivateFolder) {
    test::ScratchFolder runtime;
    EnvironmentVariable temp("TEMP", nullptr);
    EnvironmentVariable xdg("XDG_RUNTIME_DIR", runtime.Path().c_str());
    const std::string folder = ScratchDir();
    const std::string base = runtime.Path() + "/tessaly-" + std::to_string(::geteuid());
    EXPECT_EQ(FolderOf(folder), base);
    EXPECT_TRUE(IsPrivateFolder(base));
    EXPECT_TRUE(IsPrivateFolder(folder));
    EXPECT_FALSE(TakeScratchFolderNote());
}

// Another user's folder in the place of this user's private one, or one open to
// others, a link or a file there: the reason is given, the planted thing left as it is,
// and the scratch files go to a fresh private folder.
TEST(ScratchFiles, AnUnusablePrivateFolderIsNamedAndAFreshOneUsed) {
    struct Case {
        const char* name;
        std::function<void(const std::string&)> plant;
        PrivateFolderProblem problem;
        bool needsAdministrator;
    };
    const Case cases[] = {
        {"another user's folder",
         [](const std::string& at) {
             ::mkdir(at.c_str(), 0700);
             ASSERT_EQ(::chown(at.c_str(), test::NobodyId, test::NobodyId), 0);
         },
         PrivateFolderProblem::OtherOwner, true},
        {"a folder open to others",
         [](const std::string& at) {
             ::mkdir(at.c_str(), 0700);
             ::chmod(at.c_str(), 0777);
         },
         PrivateFolderProblem::OpenToOthers, false},
        {"a link", [](const std::string& at) { ::symlink("/tmp", at.c_str()); },
         PrivateFolderProblem::NotAFolder, false},
        {"a file", [](const std::string& at) { WriteWholeFile(at, Bytes{1}); },
         PrivateFolderProblem::NotAFolder, false},
    };
    for (const Case& c : cases) {
        if (c.needsAdministrator && !test::RunAsAdministrator()) {
            continue;
        }
        test::ScratchFolder runtime;
        EnvironmentVariable temp("TEMP", nullptr);
        EnvironmentVariable xdg("XDG_RUNTIME_DIR", runtime.Path().c_str());
        const std::string planted = runtime.Path() + "/tessaly-" + std::to_string(::geteuid());
        c.plant(planted);
        struct stat before {};
        ASSERT_EQ(::lstat(planted.c_str(), &before), 0) << c.name;
        const std::string folder = ScratchDir();
        EXPECT_EQ(FolderOf(folder), "/tmp") << c.name;
        EXPECT_TRUE(IsPrivateFolder(folder)) << c.name;
        const std::optional<ScratchFolderNote> note = TakeScratchFolderNote();
        ASSERT_TRUE(note) << c.name;
        EXPECT_EQ(note->problem, c.problem) << c.name;
        EXPECT_EQ(note->privateFolder, planted) << c.name;
        EXPECT_EQ(note->usedFolder, folder) << c.name;
        EXPECT_FALSE(TakeScratchFolderNote()) << "given once";
        struct stat after {};
        ASSERT_EQ(::lstat(planted.c_str(), &after), 0) << c.name;
        EXPECT_EQ(after.st_mode, before.st_mode) << c.name;
        EXPECT_EQ(after.st_uid, before.st_uid) << c.name;
    }
}

// However the process ends (but by SIGKILL), its scratch folder and files go with it.
TEST(ScratchFiles, TheFolderGoesWithTheProcess) {
    for (int signal : {0, SIGINT, SIGTERM, SIGHUP}) {
        test::ScratchFolder temp;
        EnvironmentVariable variable("TEMP", temp.Path().c_str());
        test::ChildProcess child([&] {
            const RemoveFileOnExit file = WriteScratchFile(PackageScratchPath(), Bytes{1});
            if (signal != 0) {
                ::raise(signal);
            }
            return 0;
        });
        const int status = child.Wait();
        EXPECT_TRUE(signal == 0 ? WIFEXITED(status) : WIFSIGNALED(status)) << signal;
        EXPECT_TRUE(test::NamesIn(temp.Path()).empty()) << signal;
    }
}

} // namespace
} // namespace tessaly
