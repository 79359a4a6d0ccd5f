#include "core/art/builtinpictures.h"
#include "core/base/wholefile.h"
#include "core/i18n/languagelines.h"
#include "support/hostile.h"
#include "support/packagebytes.h"
#include "ui/shell/roomtextfield.h"
#include "ui/support/mainformfixture.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace tessaly {
namespace {

class PackageCommandTest : public test::ScratchMainFormTest {
  protected:
    QString Chosen(const std::string& name) const {
        return QString::fromStdString(files.File(name));
    }
    void Open(const std::string& name) {
        desktop.fileAnswers.push_back(Chosen(name));
        form->OpenRoomFile->trigger();
    }
    void SaveAs(const std::string& name) {
        desktop.fileAnswers.push_back(Chosen(name));
        form->SaveRoomFile->trigger();
    }
    bool ScratchLeft() const { return !TempEmpty(); }

    // What the window shows: the three texts and the forty pictures.
    struct Shown {
        std::string name, comment, copyright;
        std::vector<SlotPicture> pictures;
        bool operator==(const Shown&) const = default;
    };
    Shown WindowState() const {
        Shown shown{
            form->RoomName->RoomText(), form->Comment->RoomText(), form->Copyright->RoomText(), {}};
        for (PartSlot slot = 0; slot < SlotCount; ++slot) {
            shown.pictures.push_back(form->SlotPictureOf(slot));
        }
        return shown;
    }
    void ChangeWindow() {
        form->RoomName->SetRoomText("Changed");
        SlotPicture picture = BuiltInPicture(MaskOf(Slot::Room));
        picture.Set(0, 0, 1);
        form->SetSlotPicture(MaskOf(Slot::Room), picture);
    }
    QString LastBoxText() const {
        return desktop.boxes.empty() ? QString() : desktop.boxes.back().text;
    }

    test::ScratchFolder files;
};

TEST_F(PackageCommandTest, SaveAndOpenGiveBackTextsAndPictures) {
    ASSERT_TRUE(form);
    form->RoomName->SetRoomText(std::string(127, 'r'));
    form->Comment->SetRoomText("first line\r\nsecond line");
    form->Copyright->SetRoomText("(c) 2026");
    SlotPicture door = BuiltInPicture(Slot::DoorClose);
    door.Set(3, 4, 200);
    form->SetSlotPicture(Slot::DoorClose, door);
    const Shown saved = WindowState();
    SaveAs("room.pac");
    EXPECT_FALSE(ScratchLeft());
    ChangeWindow();
    Open("room.pac");
    EXPECT_FALSE(ScratchLeft());
    EXPECT_EQ(WindowState(), saved);
    EXPECT_TRUE(desktop.boxes.empty());
}

TEST_F(PackageCommandTest, BuiltInRoomSavesToTheKnownBytes) {
    ASSERT_TRUE(form);
    SaveAs("room.pac");
    EXPECT_EQ(ReadWholeFile(files.File("room.pac")), test::BuiltInPackage());
}

// A room smaller than a package's minimum is saved padded to exactly 200000 bytes, so
// it opens again; one byte less is too short.
TEST_F(PackageCommandTest, SmallRoomsArePaddedAndOneByteLessIsTooShort) {
    ASSERT_TRUE(form);
    form->SetSlotPicture(Slot::Room,
                         SlotPicture::Blank(100, 100, 8, BuiltInPicture(Slot::Room).colourTable));
    SaveAs("small.pac");
    Bytes bytes = ReadWholeFile(files.File("small.pac"));
    ASSERT_EQ(bytes.size(), 200000u);
    bytes.resize(199999);
    WriteWholeFile(files.File("199999.pac"), bytes);

    ChangeWindow();
    const Shown before = WindowState();
    Open("199999.pac");
    EXPECT_EQ(LastBoxText(),
              QString::fromStdString(form->MessageTexts.Line(MessageLine::PackageTooShort)));
    EXPECT_EQ(WindowState(), before);
    Open("small.pac");
    EXPECT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(form->SlotPictureOf(Slot::Room).width, 100);
}

TEST_F(PackageCommandTest, MalformedPackageLeavesTheWindowAsItWas) {
    ASSERT_TRUE(form);
    const Bytes good = test::BuiltInPackage({"Other room", "", ""});
    const auto at = test::BitmapOffsets(good);
    const std::pair<const char*, std::function<void(Bytes&)>> cases[] = {
        {"truncated mid-entry", [&](Bytes& b) { b.resize(at[MaskOf(Slot::TBox)] + 10); }},
        {"size field huge", [&](Bytes& b) { PutU32(b, at[Slot::TBox] + 2, 0x7FFFFFFF); }},
        {"size field zero", [&](Bytes& b) { PutU32(b, at[Slot::TBox] + 2, 0); }},
        {"fewer than forty entries", [&](Bytes& b) { b.resize(at[MaskOf(Slot::DoorNight)] - 4); }},
        {"last entry not a bitmap", [&](Bytes& b) { b[at[MaskOf(Slot::DoorNight)] + 1] = 'Q'; }},
    };
    ChangeWindow();
    const Shown before = WindowState();
    for (const auto& [name, damage] : cases) {
        Bytes bytes = good;
        damage(bytes);
        WriteWholeFile(files.File("bad.pac"), bytes);
        desktop.boxes.clear();
        Open("bad.pac");
        ASSERT_EQ(desktop.boxes.size(), 1u) << name;
        EXPECT_EQ(desktop.boxes[0].kind, QStringLiteral("error")) << name;
        EXPECT_EQ(WindowState(), before) << name;
        EXPECT_FALSE(ScratchLeft()) << name;
    }
}

TEST_F(PackageCommandTest, FileThatCannotBeOpenedGivesItsMessage) {
    ASSERT_TRUE(form);
    Open("missing.pac");
    EXPECT_EQ(LastBoxText(),
              QString::fromStdString(form->MessageTexts.Line(MessageLine::CannotOpenFile)));
    desktop.fileAnswers.push_back(std::nullopt);
    form->OpenRoomFile->trigger();
    EXPECT_EQ(desktop.boxes.size(), 1u);
}

TEST_F(PackageCommandTest, FailedSaveKeepsTheOldPackageByteForByte) {
    ASSERT_TRUE(form);
    const Bytes old = test::BuiltInPackage({"old", "", ""});
    WriteWholeFile(files.File("room.pac"), old);
    ChangeWindow();
    qputenv("TEMP", "/nonexistent/scratch"); // encoding the first slot fails
    SaveAs("room.pac");
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes[0].kind, QStringLiteral("error"));
    EXPECT_EQ(ReadWholeFile(files.File("room.pac")), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(files.Path()), {}), 1);
}

// Save As to each kind of target: a read-only package is refused with line 8 and kept,
// a link is written through, a name of 255 bytes works, a full disk keeps the old
// package. No temporary file stays beside any of them.
TEST_F(PackageCommandTest, SaveTargets) {
    ASSERT_TRUE(form);
    const Bytes old = test::BuiltInPackage({"old", "", ""});
    const std::string longName(251, 'n');
    test::SmallDisk disk(300);
    struct Case {
        const char* name;
        std::string target;  // what the dialog gives
        std::string written; // the file the package lands in; "" when refused
    };
    std::vector<Case> cases = {
        {"read-only", files.File("readonly.pac"), ""},
        {"link", files.File("link.pac"), files.File("linked.pac")},
        {"long name", files.File(longName + ".pac"), files.File(longName + ".pac")},
    };
    WriteWholeFile(files.File("readonly.pac"), old);
    ::chmod(files.File("readonly.pac").c_str(), 0444);
    WriteWholeFile(files.File("linked.pac"), old);
    ::symlink("linked.pac", files.File("link.pac").c_str());
    if (disk.Mounted()) {
        WriteWholeFile(disk.File("full.pac"), old);
        cases.push_back({"full disk", disk.File("full.pac"), ""});
    }
    form->RoomName->SetRoomText("new");
    for (const Case& c : cases) {
        desktop.boxes.clear();
        desktop.fileAnswers.push_back(QString::fromStdString(c.target));
        form->SaveRoomFile->trigger();
        if (c.written.empty()) {
            EXPECT_EQ(LastBoxText(),
                      QString::fromStdString(form->MessageTexts.Line(MessageLine::CannotOpenFile)))
                << c.name;
            EXPECT_EQ(ReadWholeFile(c.target), old) << c.name;
        } else {
            EXPECT_TRUE(desktop.boxes.empty()) << c.name;
            EXPECT_EQ(DecodePackageTexts(ReadWholeFile(c.written)).name, "new") << c.name;
        }
    }
    EXPECT_TRUE(std::filesystem::is_symlink(files.File("link.pac")));
    EXPECT_TRUE(test::HiddenNamesIn(files.Path()).empty());
    EXPECT_TRUE(!disk.Mounted() || test::HiddenNamesIn(disk.Path()).empty());
}

// "TEMP" names a folder open to all that holds a FIFO or someone else's file under the
// scratch file's name: Open and Save As go on as ever and leave the planted file alone.
TEST_F(PackageCommandTest, PlantedScratchFilesAreNeitherUsedNorTouched) {
    ASSERT_TRUE(form);
    ::chmod(temp.Path().c_str(), 01777);
    const std::string planted = temp.File("qelbtmp.bmp");
    const std::pair<const char*, std::function<void()>> plants[] = {
        {"FIFO", [&] { ::mkfifo(planted.c_str(), 0666); }},
        {"someone else's file",
         [&] {
             WriteWholeFile(planted, Bytes{'x'});
             ::chmod(planted.c_str(), 0666);
             if (test::RunAsAdministrator()) {
                 EXPECT_EQ(::chown(planted.c_str(), test::NobodyId, test::NobodyId), 0);
             }
         }},
    };
    for (const auto& [name, plant] : plants) {
        ::unlink(planted.c_str());
        plant();
        struct stat before {};
        ::lstat(planted.c_str(), &before);
        form->RoomName->SetRoomText(name);
        SaveAs("room.pac");
        ChangeWindow();
        Open("room.pac");
        EXPECT_EQ(form->RoomName->RoomText(), name);
        EXPECT_TRUE(desktop.boxes.empty()) << name;
        struct stat after {};
        ::lstat(planted.c_str(), &after);
        EXPECT_EQ(after.st_size, before.st_size) << name;
        EXPECT_EQ(after.st_uid, before.st_uid) << name;
        EXPECT_EQ(after.st_mode, before.st_mode) << name;
    }
}

// A bitmap the reader refuses is named by its slot.
TEST_F(PackageCommandTest, ARefusedBitmapNamesItsSlot) {
    ASSERT_TRUE(form);
    Bytes bytes = test::BuiltInPackage();
    bytes[test::BitmapOffsets(bytes)[Slot::DoorOpen]] = 'X';
    WriteWholeFile(files.File("bad.pac"), bytes);
    Open("bad.pac");
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes[0].text,
              QStringLiteral("Slot 7 (DoorOpenImage): Invalid bitmap: no \"BM\" signature."));
}

TEST_F(PackageCommandTest, OverlongTextIsRefusedBeforeAnythingIsWritten) {
    ASSERT_TRUE(form);
    form->Comment->SetRoomText(std::string(128, 'x'));
    SaveAs("room.pac");
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_TRUE(desktop.boxes[0].text.contains(QStringLiteral("128 bytes")));
    EXPECT_FALSE(std::filesystem::exists(files.File("room.pac")));
}

TEST_F(PackageCommandTest, MissingTemplateOrUnwritableTargetGivesTheOpenMessage) {
    ASSERT_TRUE(form);
    program.Remove("QelbHead.dat");
    SaveAs("room.pac");
    EXPECT_EQ(LastBoxText(),
              QString::fromStdString(form->MessageTexts.Line(MessageLine::CannotOpenFile)));
    EXPECT_FALSE(std::filesystem::exists(files.File("room.pac")));
}

TEST_F(PackageCommandTest, SaveToAFolderThatDoesNotExistGivesTheOpenMessage) {
    ASSERT_TRUE(form);
    SaveAs("no/such/room.pac");
    EXPECT_EQ(LastBoxText(),
              QString::fromStdString(form->MessageTexts.Line(MessageLine::CannotOpenFile)));
    EXPECT_FALSE(ScratchLeft());
}

TEST_F(PackageCommandTest, TextFieldsStopAt127Bytes) {
    ASSERT_TRUE(form);
    form->show();
    form->RoomName->setFocus();
    QTest::keyClicks(form->RoomName, QString(130, QLatin1Char('a')));
    EXPECT_EQ(form->RoomName->RoomText().size(), 127u);
    form->Comment->SetRoomText(std::string(120, 'b'));
    form->Comment->moveCursor(QTextCursor::End);
    QApplication::clipboard()->setText(QStringLiteral("\u00e9\u00e9\u00e9\u00e9\u00e9"));
    form->Comment->paste();
    EXPECT_EQ(form->Comment->RoomText(), std::string(120, 'b') + "\xC3\xA9\xC3\xA9\xC3\xA9");
}

} // namespace
} // namespace tessaly
