#include "core/art/builtinpictures.h"
#include "core/base/wholefile.h"
#include "core/bitmap/bmpcodec.h"
#include "core/i18n/languagelines.h"
#include "ui/pictures/tedsetdlg.h"
#include "ui/shell/slotimage.h"
#include "ui/support/mainformfixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <sys/stat.h>

namespace tessaly {
namespace {

class EditCommandTest : public test::ScratchMainFormTest {
  protected:
    EditCommandTest() { std::filesystem::create_directory(tools.File("my editor")); }

    // A small shell script standing in for an image editor; $1 is the picture file.
    QString Editor(const std::string& name, const std::string& body) const {
        const std::string path = tools.File("my editor/" + name);
        const std::string text = "#!/bin/sh\n" + body + "\n";
        WriteWholeFile(path, Bytes(text.begin(), text.end()));
        ::chmod(path.c_str(), 0755);
        return QString::fromStdString(path);
    }
    // A script that writes bytes into the picture file at an offset.
    QString Patcher(const std::string& name, int offset, int value) const {
        return Editor(name, "printf '\\" + Octal(value) + "' | dd of=\"$1\" bs=1 seek=" +
                                std::to_string(offset) + " conv=notrunc 2>/dev/null");
    }
    static std::string Octal(int value) {
        char text[8];
        std::snprintf(text, sizeof text, "%03o", value);
        return text;
    }
    void Edit(PartSlot slot, const QString& editor) {
        if (!editor.isEmpty()) {
            settings.WriteString(EditorSettingName, editor);
        }
        form->WinDayImageMouseDown(form->SlotImages[slot]);
        form->Edit->trigger();
    }
    const SlotPicture& Picture(PartSlot slot) const { return form->SlotPictureOf(slot); }

    test::ScratchFolder tools;
};

TEST_F(EditCommandTest, NoEditorSetShowsItsMessageAndWritesNothing) {
    ASSERT_TRUE(form);
    Edit(Slot::DoorClose, QString());
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes[0].text, Message(MessageLine::NoEditorSet));
    EXPECT_TRUE(desktop.programsRun.isEmpty());
    EXPECT_TRUE(TempEmpty());
}

TEST_F(EditCommandTest, EditedPictureComesBackWithTheWindowRestored) {
    ASSERT_TRUE(form);
    form->showMaximized();
    bool minimisedMeanwhile = false;
    desktop.whenProgramStarts = [&] { minimisedMeanwhile = form->isMinimized(); };
    const QString editor = Patcher("draw.sh", 1078, 200); // the bottom-left pixel
    Edit(Slot::DoorClose, editor);
    EXPECT_EQ(Picture(Slot::DoorClose).At(0, 108), 200);
    EXPECT_TRUE(minimisedMeanwhile);
    EXPECT_EQ(form->windowState(), Qt::WindowNoState);
    ASSERT_EQ(desktop.programsRun.size(), 1);
    EXPECT_TRUE(desktop.programsRun[0].startsWith(
        editor + " " + QString::fromStdString(temp.Path()) + "/tessaly-"));
    EXPECT_TRUE(desktop.programsRun[0].contains(QStringLiteral("/qelb")));
    EXPECT_TRUE(desktop.boxes.empty());
    EXPECT_TRUE(TempEmpty());
}

TEST_F(EditCommandTest, RefusedResultsLeaveTheSlotAndDeleteTheFile) {
    ASSERT_TRUE(form);
    struct Case {
        const char* name;
        QString editor;
        PartSlot slot;
        QString box;
    };
    constexpr PartSlot Door = Slot::DoorClose;
    using namespace MessageLine;
    const Case cases[] = {
        {"24 bits for a picture", Patcher("deep.sh", 28, 24), Door,
         "warning:" + Message(PictureDepth)},
        {"24 bits for a mask", Patcher("deep.sh", 28, 24), MaskOf(Door),
         "warning:" + Message(MaskDepth)},
        {"file deleted", Editor("rm.sh", "rm \"$1\""), Door,
         "warning:" + Message(ScratchUnopenable)},
        {"changed colour table, No", Patcher("colour.sh", 60, 1), Door,
         "question:" + Message(PaletteQuestion)},
    };
    for (const Case& c : cases) {
        desktop.boxes.clear();
        const SlotPicture before = Picture(c.slot);
        Edit(c.slot, c.editor);
        ASSERT_EQ(desktop.boxes.size(), 1u) << c.name;
        EXPECT_EQ(desktop.boxes[0].kind + ":" + desktop.boxes[0].text, c.box) << c.name;
        EXPECT_EQ(Picture(c.slot), before) << c.name;
        EXPECT_TRUE(TempEmpty()) << c.name;
    }
}

TEST_F(EditCommandTest, UnchangedFileAndMasksComeBackWithoutAColourTest) {
    ASSERT_TRUE(form);
    const QString nothing = Editor("nothing.sh", "exit 3");
    const SlotPicture before = Picture(MaskOf(Slot::Post));
    Edit(MaskOf(Slot::Post), nothing);
    EXPECT_EQ(Picture(MaskOf(Slot::Post)), before);
    EXPECT_TRUE(desktop.boxes.empty());
    // The letters' own colour tables differ from the palette file: the question comes.
    Edit(Slot::Letter1, nothing);
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes[0].kind, QStringLiteral("question"));
    EXPECT_TRUE(TempEmpty());
}

TEST_F(EditCommandTest, AnEditorThatCannotStartIsReported) {
    ASSERT_TRUE(form);
    const std::string notAProgram = tools.File("my editor/readme.txt");
    WriteWholeFile(notAProgram, Bytes{'h', 'i'});
    const SlotPicture before = Picture(Slot::DoorClose);
    Edit(Slot::DoorClose, QString::fromStdString(notAProgram));
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes[0].kind, QStringLiteral("error"));
    EXPECT_TRUE(desktop.boxes[0].text.contains(QString::fromStdString(notAProgram)));
    EXPECT_EQ(form->windowState(), Qt::WindowNoState);
    EXPECT_EQ(Picture(Slot::DoorClose), before);
    EXPECT_TRUE(TempEmpty());
}

TEST_F(EditCommandTest, AnUnreadableAcceptedFileStaysInTheTemporaryFolder) {
    ASSERT_TRUE(form);
    // 8 bits, uncompressed, palette as before: accepted, but the rows are gone.
    Edit(Slot::DoorClose,
         Editor("cut.sh", "head -c 2000 \"$1\" > \"$1.cut\" && mv \"$1.cut\" \"$1\""));
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes[0].kind, QStringLiteral("error"));
    EXPECT_FALSE(TempEmpty());
}

class EditorSettingTest : public EditCommandTest {
  protected:
    void WithDialog(const std::function<void(TEdSetDlg&)>& action) {
        desktop.onDialog = [&](QDialog& dialog) { action(dynamic_cast<TEdSetDlg&>(dialog)); };
        form->EditorSet->trigger();
    }
};

TEST_F(EditorSettingTest, ShowsTheStoredPathAndStoresOnlyOnOk) {
    ASSERT_TRUE(form);
    settings.WriteString(EditorSettingName, QStringLiteral("/usr/bin/old editor"));
    desktop.fileAnswers = {QStringLiteral("/opt/paint/paint")};
    WithDialog([&](TEdSetDlg& dialog) {
        EXPECT_EQ(dialog.Editor->text(), QStringLiteral("/usr/bin/old editor"));
        dialog.OpnBtn->click();
        EXPECT_EQ(dialog.Editor->text(), QStringLiteral("/opt/paint/paint"));
        EXPECT_EQ(settings.ReadString(EditorSettingName), QStringLiteral("/usr/bin/old editor"));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_TRUE(dialog.isVisible());
        dialog.OkBtn->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    });
    EXPECT_EQ(settings.ReadString(EditorSettingName), QStringLiteral("/opt/paint/paint"));
}

TEST_F(EditorSettingTest, EmptyOkDoesNothingAndCancelStoresNothing) {
    ASSERT_TRUE(form);
    WithDialog([&](TEdSetDlg& dialog) {
        EXPECT_TRUE(dialog.Editor->text().isEmpty());
        dialog.OkBtn->click();
        EXPECT_TRUE(dialog.isVisible());
        dialog.Editor->setText(QStringLiteral("/typed/but/cancelled"));
        dialog.CancelBtn->click();
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_FALSE(settings.ReadString(EditorSettingName).has_value());
}

TEST_F(EditorSettingTest, TakesItsTextsFromTheLanguageSet) {
    program.WriteNumberedLanguageSet("xx");
    StoreLanguage(QStringLiteral("xx"));
    ASSERT_TRUE(Start());
    WithDialog([&](TEdSetDlg& dialog) {
        EXPECT_EQ(dialog.windowTitle(), test::NumberedLine("label", LabelLine::EditorCaption));
        EXPECT_EQ(dialog.OpnBtn->text(), test::NumberedLine("label", LabelLine::EditorOpnBtn));
        EXPECT_EQ(dialog.OpnBtn->font().family(), QStringLiteral("Test Face"));
        EXPECT_EQ(dialog.Editor->font().family(), QStringLiteral("Test Face"));
        EXPECT_EQ(dialog.OkBtn->font().family(), QStringLiteral("MS Sans Serif"));
        EXPECT_EQ(dialog.CancelBtn->text(), QStringLiteral("Cancel"));
    });
}

} // namespace
} // namespace tessaly
