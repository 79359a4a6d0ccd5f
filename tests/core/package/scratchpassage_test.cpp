#include "core/art/builtinpictures.h"
#include "core/base/paths.h"
#include "core/base/platformerror.h"
#include "core/base/wholefile.h"
#include "core/package/roompackage.h"
#include "core/package/scratchpassage.h"
#include "support/hostile.h"
#include "support/packagebytes.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

namespace tessaly {
namespace {

// One round of what Open and Save As do: every slot into a picture and back to bytes
// through the scratch file. Returns the number of slots that did not come back.
int PassageRound(const Bytes& package) {
    const std::string scratch = PackageScratchPath();
    const RoomPackage read = DecodeRoomPackage(
        package, [&](std::span<const std::uint8_t> b) { return LoadThroughScratch(b, scratch); });
    int wrong = 0;
    for (PartSlot slot = 0; slot < SlotCount; ++slot) {
        wrong += read.pictures[slot] != BuiltInPicture(slot);
        wrong += EncodeThroughScratch(read.pictures[slot], scratch) !=
                 PackageBitmap(BuiltInPicture(slot));
    }
    return wrong;
}

// With "TEMP" naming a folder open to everyone that holds a file of someone else's or a
// FIFO under the scratch file's name, and a second process doing the same passages at
// the same time: every picture comes back as it went, the planted file is left alone.
TEST(ScratchPassage, SharedTempHostileNeighboursAndASecondWriter) {
    const Bytes package = test::BuiltInPackage();
    const auto rounds = [&] {
        int wrong = 0;
        for (int round = 0; round < 10; ++round) {
            wrong += PassageRound(package);
        }
        return std::min(wrong, 100);
    };
    const std::pair<const char*, std::function<void(const std::string&)>> plants[] = {
        {"a file of someone else's",
         [](const std::string& at) {
             WriteWholeFile(at, Bytes{'m', 'i', 'n', 'e'});
             ::chmod(at.c_str(), 0666);
             if (test::RunAsAdministrator()) {
                 ASSERT_EQ(::chown(at.c_str(), test::NobodyId, test::NobodyId), 0);
             }
         }},
        {"a FIFO", [](const std::string& at) { ASSERT_EQ(::mkfifo(at.c_str(), 0666), 0); }},
    };
    for (const auto& [name, plant] : plants) {
        test::ScratchFolder temp;
        ::chmod(temp.Path().c_str(), 01777);
        ::setenv("TEMP", temp.Path().c_str(), 1);
        const std::string planted = temp.File("qelbtmp.bmp");
        plant(planted);
        struct stat before {};
        ASSERT_EQ(::lstat(planted.c_str(), &before), 0);

        test::ChildProcess second(rounds);
        EXPECT_EQ(rounds(), 0) << name;
        const int status = second.Wait();
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << name << " " << status;

        struct stat after {};
        ASSERT_EQ(::lstat(planted.c_str(), &after), 0);
        EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec) << name;
        EXPECT_EQ(after.st_size, before.st_size) << name;
        EXPECT_EQ(after.st_uid, before.st_uid) << name;
        EXPECT_EQ(after.st_mode, before.st_mode) << name;
        ::unsetenv("TEMP");
    }
}

TEST(ScratchPassage, AnEntryMustBeAsLongAsItsSizeFieldSays) {
    try {
        EncodeRoomPackage(test::ShippedHeaderTemplate(), {}, [](PartSlot slot) {
            Bytes bitmap = PackageBitmap(BuiltInPicture(slot));
            if (slot == Slot::DoorOpen) {
                bitmap.push_back(0);
            }
            return bitmap;
        });
        ADD_FAILURE() << "no error";
    } catch (const PlatformError& error) {
        EXPECT_NE(std::string(error.what()).find("slot 7 (DoorOpenImage)"), std::string::npos)
            << error.what();
    }
}

} // namespace
} // namespace tessaly
