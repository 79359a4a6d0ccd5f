#include "core/i18n/languagelines.h"
#include "ui/i18n/captions.h"
#include "ui/shell/errorguard.h"
#include "ui/shell/mainformdesign.h"
#include "ui/shell/roomtextfield.h"
#include "ui/support/mainformfixture.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>

namespace tessaly {
namespace {

using test::MainFormTest;
using test::NumberedLine;

TEST_F(MainFormTest, LanguageSetGivesMenusLabelsTitleAndFonts) {
    program.WriteNumberedLanguageSet("xx");
    StoreLanguage(QStringLiteral("xx"));
    ASSERT_TRUE(Start());
    const auto items = form->MenuItems();
    for (long line = MenuLine::FileMenu; line < MenuLine::BaseCount; ++line) {
        EXPECT_EQ(items[line]->text(), NumberedLine("menu", line));
    }
    EXPECT_EQ(form->FileMenu->title(), NumberedLine("menu", MenuLine::FileMenu));
    EXPECT_EQ(form->CopyData->text(), NumberedLine("menu", MenuLine::CopyData));
    EXPECT_EQ(form->windowTitle(), NumberedLine("label", LabelLine::Title));
    EXPECT_EQ(ApplicationTitle(), NumberedLine("label", LabelLine::Title));
    // The main window's labels, in the order of the window's design.
    for (int i = 0; i < MainLabelCount; ++i) {
        EXPECT_EQ(form->MainLabels[i]->text(), NumberedLine("label", LabelLine::WviewLabel + i));
        EXPECT_EQ(form->MainLabels[i]->font().family(), QStringLiteral("Test Face"));
    }
    EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("CopyLabel"))->text(),
              NumberedLine("label", LabelLine::CopyLabel));
    for (QWidget* w : {static_cast<QWidget*>(form.get()), static_cast<QWidget*>(form->Comment)}) {
        EXPECT_EQ(w->font().family(), QStringLiteral("Test Face"));
        EXPECT_EQ(w->font().pixelSize(), 12);
    }
}

TEST_F(MainFormTest, EmptyFaceLineKeepsFontsAndLongFaceIsCut) {
    std::vector<std::string> labels(LabelLine::BaseCount, "x");
    labels[LabelLine::FontFace] = "";
    program.WriteNumberedLanguageSet("xx");
    program.WriteLanguageFile("labels", "xx", labels);
    StoreLanguage(QStringLiteral("xx"));
    ASSERT_TRUE(Start());
    EXPECT_EQ(form->font().family(), QStringLiteral("MS Sans Serif"));

    labels[LabelLine::FontFace] = std::string(40, 'F');
    program.WriteLanguageFile("labels", "xx", labels);
    form->LoadLanguageTexts();
    EXPECT_EQ(form->RoomName->font().family(), QString(31, QLatin1Char('F')));
}

TEST_F(MainFormTest, MissingMenuFileEndsStartUpNamingThePath) {
    program.Remove("ltexts/menuitems.en");
    EXPECT_EQ(Start(), nullptr);
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes[0].kind, QStringLiteral("error"));
    EXPECT_EQ(desktop.boxes[0].caption, QStringLiteral("Tessaly"));
    const QString path = QString::fromStdString(program.Path()) + "/ltexts/menuitems.en";
    EXPECT_EQ(desktop.boxes[0].text, QStringLiteral("ファイル %1 は開けません.").arg(path));
}

TEST_F(MainFormTest, ShortMenuFileEndsStartUpAtTheMissingLine) {
    program.WriteNumberedLanguageSet("en", MenuLine::CopyData); // the last line missing
    EXPECT_EQ(Start(), nullptr);
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(
        desktop.boxes[0].text,
        QStringLiteral("リストのインデックスが範囲を超えています (%1)").arg(MenuLine::CopyData));
}

TEST_F(MainFormTest, ShortLabelsFileStartsButAMessageReportsTheMissingCaption) {
    program.WriteNumberedLanguageSet("xx", MenuLine::BaseCount, 20);
    StoreLanguage(QStringLiteral("xx"));
    ASSERT_TRUE(Start());
    RunGuarded(desktop, form.get(), [&] {
        form->ShowMessageText(form->MessageTexts.Line(MessageLine::PackageTooShort));
    });
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes[0].kind, QStringLiteral("error"));
    EXPECT_EQ(desktop.boxes[0].caption, NumberedLine("label", LabelLine::Title));
    EXPECT_EQ(desktop.boxes[0].text, QStringLiteral("リストのインデックスが範囲を超えています (%1)")
                                         .arg(LabelLine::MessageCaption));
}

TEST_F(MainFormTest, MessagesAndThePaletteQuestionUseTheirLines) {
    program.WriteNumberedLanguageSet("xx");
    StoreLanguage(QStringLiteral("xx"));
    ASSERT_TRUE(Start());
    form->ShowMessageText(form->MessageTexts.Line(MessageLine::CannotOpenFile));
    desktop.yesNoAnswers = {true, false};
    EXPECT_TRUE(form->AskPaletteQuestion());
    EXPECT_FALSE(form->AskPaletteQuestion());
    ASSERT_EQ(desktop.boxes.size(), 3u);
    EXPECT_EQ(desktop.boxes[0].kind, QStringLiteral("warning"));
    EXPECT_EQ(desktop.boxes[0].caption, NumberedLine("label", LabelLine::MessageCaption));
    EXPECT_EQ(desktop.boxes[0].text, NumberedLine("message", MessageLine::CannotOpenFile));
    EXPECT_EQ(desktop.boxes[1].kind, QStringLiteral("question"));
    EXPECT_EQ(desktop.boxes[1].caption, NumberedLine("label", LabelLine::PaletteQuestionCaption));
    EXPECT_EQ(desktop.boxes[1].text, NumberedLine("message", MessageLine::PaletteQuestion));
}

TEST_F(MainFormTest, JapaneseSetAppliesWhenStored) {
    StoreLanguage(QStringLiteral("ja"));
    ASSERT_TRUE(Start());
    EXPECT_EQ(form->FileMenu->title(), QStringLiteral("ファイル(&F)"));
    EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("TableLabel"))->text(),
              QStringLiteral("テーブル"));
}

TEST(ShippedLanguageSets, HoldEveryLineTheListsNeed) {
    const QDir ltexts(QStringLiteral(TESSALY_DATA_DIR "/ltexts"));
    const std::pair<const char*, long> lists[] = {{"menuitems", MenuLine::BaseCount},
                                                  {"labels", LabelLine::BaseCount},
                                                  {"messages", MessageLine::BaseCount}};
    int sets = 0;
    for (const QString& file : ltexts.entryList({QStringLiteral("menuitems.*")})) {
        const std::string code = file.section(QLatin1Char('.'), 1).toStdString();
        for (const auto& [stem, needed] : lists) {
            const std::string path = LanguageFilePath(TESSALY_DATA_DIR, stem, code);
            EXPECT_GE(LoadTextList(path).Count(), static_cast<std::size_t>(needed)) << path;
        }
        ++sets;
    }
    EXPECT_GE(sets, 2);
}

} // namespace
} // namespace tessaly
