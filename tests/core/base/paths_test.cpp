#include "core/base/paths.h"
#include "core/base/platformerror.h"
#include "support/scratchfolder.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/stat.h>
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

TEST(ScratchFiles, NamesLieInTemp) {
    EnvironmentVariable temp("TEMP", "/some/where");
    SetScratchClock([] { return 1700000000L; });
    EXPECT_EQ(PackageScratchPath(), "/some/where/qelbtmp.bmp");
    EXPECT_EQ(PictureScratchPath(), "/some/where/qelb1700000000.bmp");
    SetScratchClock(nullptr);
}

TEST(ScratchFiles, WithoutTempUseAFolderOfThisUserAlone) {
    test::ScratchFolder runtime;
    EnvironmentVariable temp("TEMP", nullptr);
    EnvironmentVariable xdg("XDG_RUNTIME_DIR", runtime.Path().c_str());
    const std::string folder = ScratchDir();
    EXPECT_EQ(folder.rfind(runtime.Path(), 0), 0u);
    struct stat status {};
    ASSERT_EQ(::lstat(folder.c_str(), &status), 0);
    EXPECT_TRUE(S_ISDIR(status.st_mode));
    EXPECT_EQ(status.st_mode & 0777, 0700u);
    EXPECT_EQ(ScratchDir(), folder);
}

TEST(ScratchFiles, AFolderOpenToOthersIsRefused) {
    test::ScratchFolder runtime;
    EnvironmentVariable temp("TEMP", nullptr);
    EnvironmentVariable xdg("XDG_RUNTIME_DIR", runtime.Path().c_str());
    const std::string folder = ScratchDir();
    ::chmod(folder.c_str(), 0777);
    EXPECT_THROW(ScratchDir(), PlatformError);
    ::rmdir(folder.c_str());
    ASSERT_EQ(::symlink(runtime.Path().c_str(), folder.c_str()), 0);
    EXPECT_THROW(ScratchDir(), PlatformError);
}

} // namespace
} // namespace tessaly
