// Messages in the user's language: the platform's error texts and "Out of memory" from
// the message lines (the fixed texts for a set without them), Qt's own texts, and what
// the editor says about help, its scratch folder and the fit of its captions.

#include "core/base/platformerror.h"
#include "core/base/wholefile.h"
#include "support/hostile.h"
#include "ui/i18n/captions.h"
#include "ui/i18n/taboutbox.h"
#include "ui/pictures/tedsetdlg.h"
#include "ui/preview/tcheckform.h"
#include "ui/shell/errorguard.h"
#include "ui/support/mainformfixture.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QPushButton>
#include <cstdlib>
#include <new>
#include <unistd.h>

namespace tessaly {
namespace {

class ConditionMessageTest : public test::MainFormTest {
  protected:
    void Switch(const std::string& code) {
        form->LanguageCode = code;
        form->LoadLanguageTexts();
    }
    static QString Text(const std::exception& error) { return ErrorText(error); }
};

TEST_F(ConditionMessageTest, PlatformTextsInTheUsersLanguage) {
    ASSERT_TRUE(Start());
    struct Case {
        std::string code;
        const char* cannotOpen;
        const char* cannotCreate;
        const char* listIndex;
        const char* outOfMemory;
    };
    const Case cases[] = {
        {"en", "The file /x cannot be opened", "The file /x cannot be created",
         "List index out of bounds (35)", "Out of memory"},
        {"de", "Die Datei /x lässt sich nicht öffnen", "Die Datei /x lässt sich nicht anlegen",
         "Listenindex außerhalb des gültigen Bereichs (35)", "Nicht genügend Arbeitsspeicher"},
        {"ja", "ファイル /x は開けません", "ファイル /x を作成できません",
         "リストのインデックスが範囲を超えています (35)", "メモリーが足りません"},
        // A set made before these lines: the platform's fixed texts, built-in English.
        {"xx", "ファイル /x は開けません", "ファイル /x を作成できません",
         "リストのインデックスが範囲を超えています (35)", "Out of memory"},
    };
    program.WriteNumberedLanguageSet("xx");
    for (const Case& c : cases) {
        Switch(c.code);
        EXPECT_EQ(Text(FileOpenError("/x")), QString::fromUtf8(c.cannotOpen)) << c.code;
        EXPECT_EQ(Text(FileCreateError("/x")), QString::fromUtf8(c.cannotCreate)) << c.code;
        EXPECT_EQ(Text(PlatformError(PlatformError::Kind::ListIndex, "35")),
                  QString::fromUtf8(c.listIndex))
            << c.code;
        EXPECT_EQ(Text(std::bad_alloc()), QString::fromUtf8(c.outOfMemory)) << c.code;
    }
    // An empty added line counts as missing.
    std::vector<std::string> messages(11, "message");
    messages.push_back("");
    program.WriteLanguageFile("messages", "xx", messages);
    Switch("xx");
    EXPECT_EQ(Text(FileOpenError("/x")), QStringLiteral("ファイル /x は開けません"));
}

TEST_F(ConditionMessageTest, QtsOwnTextsFollowTheLanguage) {
    StoreLanguage(QStringLiteral("de"));
    ASSERT_TRUE(Start());
    const auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    EXPECT_EQ(cancel(), QStringLiteral("Abbrechen"));
    Switch("ja");
    EXPECT_EQ(cancel(), QStringLiteral("キャンセル"));
    Switch("en");
    EXPECT_EQ(cancel(), QStringLiteral("Cancel"));
}

TEST_F(ConditionMessageTest, HelpWithoutAViewerNamesThePage) {
    ASSERT_TRUE(Start());
    desktop.shellHasViewer = false;
    form->Contents->trigger();
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes[0].kind, QStringLiteral("warning"));
    EXPECT_EQ(desktop.boxes[0].text, "No program is set up to show the help page " +
                                         QString::fromStdString(program.Path()) +
                                         "/Help/en/zkindex.htm.");
}

// With "TEMP" unset and a file where this user's private folder belongs, the first
// command that needs scratch files says why the folder cannot be used, once, and works.
TEST_F(ConditionMessageTest, AnUnusablePrivateFolderIsNamedOnce) {
    test::ScratchFolder runtime;
    qunsetenv("TEMP");
    qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime.Path()));
    const std::string planted = runtime.File("tessaly-" + std::to_string(::geteuid()));
    WriteWholeFile(planted, Bytes{1});
    ASSERT_TRUE(Start());
    test::ScratchFolder files;
    for (int save = 0; save < 2; ++save) {
        desktop.fileAnswers.push_back(QString::fromStdString(files.File("room.pac")));
        form->SaveRoomFile->trigger();
    }
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes[0].text,
              "The private temporary folder " + QString::fromStdString(planted) +
                  " is a link or a file, not a folder. A new private folder is used instead.");
    EXPECT_EQ(ReadWholeFile(files.File("room.pac")).size(), 214032u);
    EXPECT_EQ(ReadWholeFile(planted), Bytes{1});
    qunsetenv("XDG_RUNTIME_DIR");
}

bool Fits(const QWidget* widget, const QString& text, int margin) {
    return QFontMetrics(widget->font()).horizontalAdvance(text) + margin <= widget->width();
}

// In every shipped language the captions of the dialogs fit their fixed boxes, the
// preview's OK button keeps its own font, and the About box shows its lines whole.
TEST_F(ConditionMessageTest, CaptionsFitAndKeepTheirFonts) {
    for (const char* code : {"en", "de", "ja"}) {
        StoreLanguage(QString::fromLatin1(code));
        ASSERT_TRUE(Start());
        const QString face = QString::fromStdString(form->LabelTexts.Line(LabelLine::FontFace));
        desktop.onDialog = [&](QDialog& dialog) {
            if (auto* check = dynamic_cast<TCheckForm*>(&dialog)) {
                EXPECT_EQ(check->OkBtn->font().family(), DesignFont().family()) << code;
                EXPECT_EQ(check->SaveBtn->font().family(), face) << code;
                EXPECT_TRUE(Fits(check->SaveBtn, check->SaveBtn->text(), 8)) << code;
            } else if (auto* editor = dynamic_cast<TEdSetDlg*>(&dialog)) {
                EXPECT_TRUE(Fits(editor->OpnBtn, editor->OpnBtn->text(), 6)) << code;
            } else if (auto* about = dynamic_cast<TAboutBox*>(&dialog)) {
                for (const QLabel* label : {about->Version, about->VersinNo, about->Copyright}) {
                    EXPECT_TRUE(Fits(label, label->text(), 0))
                        << code << " " << label->text().toStdString();
                }
                EXPECT_TRUE(Fits(about->ApName, about->ApName->text(), 0)) << code;
            }
        };
        form->ShowCheck->trigger();
        form->EditorSet->trigger();
        form->About->trigger();
        EXPECT_TRUE(desktop.boxes.empty()) << code;
    }
}

} // namespace
} // namespace tessaly
