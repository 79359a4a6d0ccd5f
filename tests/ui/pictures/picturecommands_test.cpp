#include "core/art/builtinpictures.h"
#include "core/base/wholefile.h"
#include "core/bitmap/bmpcodec.h"
#include "core/i18n/languagelines.h"
#include "support/bytepatch.h"
#include "ui/shell/slotimage.h"
#include "ui/support/mainformfixture.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <filesystem>

namespace tessaly {
namespace {

using test::Patched;

class PictureCommandTest : public test::ScratchMainFormTest {
  protected:
    std::string Write(const std::string& name, const Bytes& bytes) const {
        WriteWholeFile(files.File(name), bytes);
        return files.File(name);
    }
    void Choose(PartSlot slot) { form->WinDayImageMouseDown(form->SlotImages[slot]); }
    void Load(PartSlot slot, const std::string& path) {
        Choose(slot);
        desktop.fileAnswers.push_back(QString::fromStdString(path));
        form->OpenPFile->trigger();
    }
    const SlotPicture& Picture(PartSlot slot) const { return form->SlotPictureOf(slot); }
    QStringList Boxes() const {
        QStringList texts;
        for (const auto& box : desktop.boxes) {
            texts << box.kind + QLatin1Char(':') + box.text;
        }
        return texts;
    }

    test::ScratchFolder files;
};

TEST_F(PictureCommandTest, RefusedFilesLeaveTheSlotAndSayWhy) {
    ASSERT_TRUE(form);
    const Bytes picture = EncodeBmp(BuiltInPicture(Slot::DoorClose));
    const Bytes mask = EncodeBmp(BuiltInPicture(MaskOf(Slot::DoorClose)));
    const Bytes core = Patched(picture, 14, {12, 0, 0, 0});
    struct Case {
        const char* name;
        Bytes file;
        PartSlot slot;
        long line;
    };
    constexpr PartSlot Door = Slot::DoorClose;
    constexpr PartSlot DoorMask = MaskOf(Door);
    using namespace MessageLine;
    const Case cases[] = {
        {"1-bit file for a picture", mask, Door, PictureDepth},
        {"24-bit file for a mask", Patched(picture, 28, {24, 0}), DoorMask, MaskDepth},
        {"compressed 8-bit file for a mask", Patched(picture, 30, {1, 0, 0, 0}), DoorMask,
         Compressed},
        {"core header for a picture", core, Door, CoreHeader},
        {"core header for a mask, depth never looked at", Patched(core, 28, {24, 0}), DoorMask,
         CoreHeader},
    };
    for (const Case& c : cases) {
        desktop.boxes.clear();
        const SlotPicture before = Picture(c.slot);
        Load(c.slot, Write("refused.bmp", c.file));
        EXPECT_EQ(Boxes(), QStringList{"warning:" + Message(c.line)}) << c.name;
        EXPECT_EQ(Picture(c.slot), before) << c.name;
    }
}

// A file that is not a bitmap at all is called so, naming it; a picture that would make
// the room larger than a package may hold is refused. The slot stays as it was.
TEST_F(PictureCommandTest, NotABitmapAndTooLargeForTheRoom) {
    ASSERT_TRUE(form);
    const SlotPicture before = Picture(Slot::DoorClose);
    const std::string text = Write("notes.bmp", Bytes(2000, 'x'));
    Load(Slot::DoorClose, text);
    EXPECT_EQ(Boxes(), QStringList{"warning:The file " + QString::fromStdString(text) +
                                   " is not a BMP picture."});
    EXPECT_EQ(Picture(Slot::DoorClose), before);

    desktop.boxes.clear();
    const SlotPicture mask = Picture(MaskOf(Slot::DoorClose));
    const SlotPicture huge = SlotPicture::Blank(4096, 4096, 1, MaskColourTable());
    Load(MaskOf(Slot::DoorClose), Write("huge.bmp", EncodeBmp(huge)));
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes[0].kind, QStringLiteral("error"));
    EXPECT_TRUE(
        desktop.boxes[0].text.startsWith(QStringLiteral("The picture is too large for the room")))
        << desktop.boxes[0].text.toStdString();
    EXPECT_EQ(Picture(MaskOf(Slot::DoorClose)), mask);
}

TEST_F(PictureCommandTest, AcceptedFilesTakeTheirSizeAndDepth) {
    ASSERT_TRUE(form);
    SlotPicture larger =
        SlotPicture::Blank(90, 120, 8, BuiltInPicture(Slot::DoorClose).colourTable);
    larger.Set(89, 119, 200);
    Load(Slot::DoorClose, Write("door.bmp", EncodeBmp(larger)));
    EXPECT_EQ(Picture(Slot::DoorClose), larger);
    const SlotPicture eightBitMask = BuiltInPicture(Slot::Table);
    Load(MaskOf(Slot::Table), Write("mask8.bmp", Patched(EncodeBmp(eightBitMask), 60, {7})));
    EXPECT_EQ(Picture(MaskOf(Slot::Table)).bitsPerPixel, 8);
    EXPECT_TRUE(desktop.boxes.empty());

    desktop.fileAnswers.push_back(QString::fromStdString(files.File("saved")));
    form->SavePFile->trigger();
    const SlotPicture saved = ReadBmpFile(files.File("saved"));
    EXPECT_EQ(saved, Picture(MaskOf(Slot::Table))); // written back with 8 bits per pixel
}

TEST_F(PictureCommandTest, PaletteQuestionDecides) {
    ASSERT_TRUE(form);
    SlotPicture recoloured = BuiltInPicture(Slot::Table);
    recoloured.colourTable[3] = Rgb{1, 2, 3};
    const std::string path = Write("table.bmp", EncodeBmp(recoloured));
    const SlotPicture before = Picture(Slot::Table);
    desktop.yesNoAnswers = {false, true};
    Load(Slot::Table, path);
    EXPECT_EQ(Picture(Slot::Table), before);
    Load(Slot::Table, path);
    EXPECT_EQ(Picture(Slot::Table), recoloured);
    ASSERT_EQ(desktop.boxes.size(), 2u);
    EXPECT_EQ(desktop.boxes[0].kind, QStringLiteral("question"));
    EXPECT_EQ(desktop.boxes[0].text, Message(MessageLine::PaletteQuestion));
}

TEST_F(PictureCommandTest, MissingPaletteFileWarnsAndLoads) {
    ASSERT_TRUE(form);
    program.Remove("Qelbpl.dat");
    SlotPicture recoloured = BuiltInPicture(Slot::Room);
    recoloured.colourTable[9] = Rgb{9, 9, 9};
    Load(Slot::Room, Write("room.bmp", EncodeBmp(recoloured)));
    EXPECT_EQ(Boxes(), QStringList{"warning:" + Message(MessageLine::PaletteFileMissing)});
    EXPECT_EQ(Picture(Slot::Room), recoloured);
}

TEST_F(PictureCommandTest, UnreadableShortOrBrokenFilesAreReported) {
    ASSERT_TRUE(form);
    const SlotPicture before = Picture(Slot::DoorClose);
    Load(Slot::DoorClose, files.File("missing.bmp"));
    EXPECT_EQ(Boxes(), QStringList{"warning:" + Message(MessageLine::CannotOpenFile)});
    desktop.boxes.clear();
    Load(Slot::DoorClose, Write("short.bmp", Bytes{'B', 'M', 0, 0}));
    Bytes cut = EncodeBmp(BuiltInPicture(Slot::DoorClose));
    cut.resize(cut.size() - 100);
    Load(Slot::DoorClose, Write("cut.bmp", cut));
    ASSERT_EQ(desktop.boxes.size(), 2u);
    EXPECT_EQ(desktop.boxes[0].kind, QStringLiteral("error"));
    EXPECT_EQ(desktop.boxes[1].kind, QStringLiteral("error"));
    EXPECT_EQ(Picture(Slot::DoorClose), before);
}

TEST_F(PictureCommandTest, DroppedBmpFileLoadsIntoThatSlot) {
    ASSERT_TRUE(form);
    SlotPicture bath = BuiltInPicture(Slot::Bath);
    bath.Set(0, 0, 77);
    const std::string path = Write("bath.BMP", EncodeBmp(bath));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
    QDropEvent drop(QPointF(3, 3), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    // Straight to the component's handler, as the window system's drag and drop would.
    static_cast<QObject*>(form->SlotImages[Slot::Bath])->event(&drop);
    EXPECT_EQ(form->CurrentSlot, Slot::Bath);
    EXPECT_EQ(Picture(Slot::Bath), bath);
    QMimeData text;
    text.setText(QStringLiteral("not a file"));
    EXPECT_TRUE(DroppedBmpFile(&text).isEmpty());
}

TEST_F(PictureCommandTest, MaskCommandsAndCopyFromRoomView) {
    ASSERT_TRUE(form);
    constexpr PartSlot Door = Slot::DoorClose;
    constexpr PartSlot DoorMask = MaskOf(Door);
    SlotPicture door = BuiltInPicture(Door);
    std::fill(door.pixels.begin(), door.pixels.end(), 100);
    door.Set(1, 2, BlackIndex);
    form->SetSlotPicture(Door, door);
    form->SetSlotPicture(DoorMask, SlotPicture::Blank(3, 3, 8, BuiltInPicture(Door).colourTable));
    Choose(Door);
    form->CreateMask->trigger();
    EXPECT_EQ(Picture(DoorMask).bitsPerPixel, 1);
    EXPECT_EQ(Picture(DoorMask).width, 65);
    EXPECT_EQ(Picture(DoorMask).At(1, 2), 1);
    EXPECT_EQ(Picture(DoorMask).At(0, 0), 0);
    EXPECT_EQ(Picture(Door), door);

    Choose(DoorMask);
    form->CopyData->trigger();
    EXPECT_EQ(Picture(DoorMask).At(1, 2), 0); // black is not white

    Choose(Slot::Table);
    form->CopyImage->trigger();
    const PlacementRect table = form->PlacementRects[Slot::Table];
    EXPECT_EQ(Picture(Slot::Table).At(3, 4), Picture(Slot::Room).At(table.left + 3, table.top + 4));
    EXPECT_TRUE(TempEmpty());
    EXPECT_TRUE(desktop.boxes.empty());
}

TEST_F(PictureCommandTest, MaskCommandWithNoTemporaryFolderChangesNothing) {
    ASSERT_TRUE(form);
    qputenv("TEMP", "/nonexistent/folder");
    const SlotPicture before = Picture(MaskOf(Slot::Bed));
    Choose(Slot::Bed);
    form->CreateMask->trigger();
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes[0].kind, QStringLiteral("error"));
    EXPECT_EQ(Picture(MaskOf(Slot::Bed)), before);
}

} // namespace
} // namespace tessaly
