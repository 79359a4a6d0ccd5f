#include "core/art/builtinpictures.h"
#include "core/base/wholefile.h"
#include "core/bitmap/bmpcodec.h"
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
    const SlotPicture& Picture(PartSlot slot) const { return form->SlotImages[slot]->Picture(); }
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
    const Bytes picture = EncodeBmp(BuiltInPicture(5));
    const Bytes mask = EncodeBmp(BuiltInPicture(25));
    const Bytes core = Patched(picture, 14, {12, 0, 0, 0});
    struct Case {
        const char* name;
        Bytes file;
        PartSlot slot;
        long line;
    };
    const Case cases[] = {
        {"1-bit file for a picture", mask, 5, 3},
        {"24-bit file for a mask", Patched(picture, 28, {24, 0}), 25, 7},
        {"compressed 8-bit file for a mask", Patched(picture, 30, {1, 0, 0, 0}), 25, 4},
        {"core header for a picture", core, 5, 2},
        {"core header for a mask, depth never looked at", Patched(core, 28, {24, 0}), 25, 2},
    };
    for (const Case& c : cases) {
        desktop.boxes.clear();
        const SlotPicture before = Picture(c.slot);
        Load(c.slot, Write("refused.bmp", c.file));
        EXPECT_EQ(Boxes(), QStringList{"warning:" + Message(c.line)}) << c.name;
        EXPECT_EQ(Picture(c.slot), before) << c.name;
    }
}

TEST_F(PictureCommandTest, AcceptedFilesTakeTheirSizeAndDepth) {
    ASSERT_TRUE(form);
    SlotPicture larger = SlotPicture::Blank(90, 120, 8, BuiltInPicture(5).colourTable);
    larger.Set(89, 119, 200);
    Load(5, Write("door.bmp", EncodeBmp(larger)));
    EXPECT_EQ(Picture(5), larger);
    const SlotPicture eightBitMask = BuiltInPicture(12);
    Load(32, Write("mask8.bmp", Patched(EncodeBmp(eightBitMask), 60, {7})));
    EXPECT_EQ(Picture(32).bitsPerPixel, 8);
    EXPECT_TRUE(desktop.boxes.empty());

    desktop.fileAnswers.push_back(QString::fromStdString(files.File("saved")));
    form->SavePFile->trigger();
    const SlotPicture saved = ReadBmpFile(files.File("saved"));
    EXPECT_EQ(saved, Picture(32)); // written back with 8 bits per pixel
}

TEST_F(PictureCommandTest, PaletteQuestionDecides) {
    ASSERT_TRUE(form);
    SlotPicture recoloured = BuiltInPicture(12);
    recoloured.colourTable[3] = Rgb{1, 2, 3};
    const std::string path = Write("table.bmp", EncodeBmp(recoloured));
    const SlotPicture before = Picture(12);
    desktop.yesNoAnswers = {false, true};
    Load(12, path);
    EXPECT_EQ(Picture(12), before);
    Load(12, path);
    EXPECT_EQ(Picture(12), recoloured);
    ASSERT_EQ(desktop.boxes.size(), 2u);
    EXPECT_EQ(desktop.boxes[0].kind, QStringLiteral("question"));
    EXPECT_EQ(desktop.boxes[0].text, Message(6));
}

TEST_F(PictureCommandTest, MissingPaletteFileWarnsAndLoads) {
    ASSERT_TRUE(form);
    program.Remove("Qelbpl.dat");
    SlotPicture recoloured = BuiltInPicture(4);
    recoloured.colourTable[9] = Rgb{9, 9, 9};
    Load(4, Write("room.bmp", EncodeBmp(recoloured)));
    EXPECT_EQ(Boxes(), QStringList{"warning:" + Message(5)});
    EXPECT_EQ(Picture(4), recoloured);
}

TEST_F(PictureCommandTest, UnreadableShortOrBrokenFilesAreReported) {
    ASSERT_TRUE(form);
    const SlotPicture before = Picture(5);
    Load(5, files.File("missing.bmp"));
    EXPECT_EQ(Boxes(), QStringList{"warning:" + Message(8)});
    desktop.boxes.clear();
    Load(5, Write("short.bmp", Bytes{'B', 'M', 0, 0}));
    Bytes cut = EncodeBmp(BuiltInPicture(5));
    cut.resize(cut.size() - 100);
    Load(5, Write("cut.bmp", cut));
    ASSERT_EQ(desktop.boxes.size(), 2u);
    EXPECT_EQ(desktop.boxes[0].kind, QStringLiteral("error"));
    EXPECT_EQ(desktop.boxes[1].kind, QStringLiteral("error"));
    EXPECT_EQ(Picture(5), before);
}

TEST_F(PictureCommandTest, DroppedBmpFileLoadsIntoThatSlot) {
    ASSERT_TRUE(form);
    SlotPicture bath = BuiltInPicture(15);
    bath.Set(0, 0, 77);
    const std::string path = Write("bath.BMP", EncodeBmp(bath));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
    QDropEvent drop(QPointF(3, 3), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    // Straight to the component's handler, as the window system's drag and drop would.
    static_cast<QObject*>(form->SlotImages[15])->event(&drop);
    EXPECT_EQ(form->CurrentSlot, 15);
    EXPECT_EQ(Picture(15), bath);
    QMimeData text;
    text.setText(QStringLiteral("not a file"));
    EXPECT_TRUE(DroppedBmpFile(&text).isEmpty());
}

TEST_F(PictureCommandTest, MaskCommandsAndCopyFromRoomView) {
    ASSERT_TRUE(form);
    SlotPicture door = BuiltInPicture(5);
    std::fill(door.pixels.begin(), door.pixels.end(), 100);
    door.Set(1, 2, BlackIndex);
    form->SlotImages[5]->SetPicture(door);
    form->SlotImages[25]->SetPicture(SlotPicture::Blank(3, 3, 8, BuiltInPicture(5).colourTable));
    Choose(5);
    form->CreateMask->trigger();
    EXPECT_EQ(Picture(25).bitsPerPixel, 1);
    EXPECT_EQ(Picture(25).width, 65);
    EXPECT_EQ(Picture(25).At(1, 2), 1);
    EXPECT_EQ(Picture(25).At(0, 0), 0);
    EXPECT_EQ(Picture(5), door);

    Choose(25);
    form->CopyData->trigger();
    EXPECT_EQ(Picture(25).At(1, 2), 0); // black is not white

    Choose(12);
    form->CopyImage->trigger();
    const PlacementRect table = form->PlacementRects[12];
    EXPECT_EQ(Picture(12).At(3, 4), Picture(4).At(table.left + 3, table.top + 4));
    EXPECT_TRUE(TempEmpty());
    EXPECT_TRUE(desktop.boxes.empty());
}

TEST_F(PictureCommandTest, MaskCommandWithNoTemporaryFolderChangesNothing) {
    ASSERT_TRUE(form);
    qputenv("TEMP", "/nonexistent/folder");
    const SlotPicture before = Picture(28);
    Choose(8);
    form->CreateMask->trigger();
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes[0].kind, QStringLiteral("error"));
    EXPECT_EQ(Picture(28), before);
}

} // namespace
} // namespace tessaly
