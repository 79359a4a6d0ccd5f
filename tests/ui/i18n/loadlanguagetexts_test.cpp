#include "ui/shell/errorguard.h"
#include "ui/shell/roomtextfield.h"
#include "ui/support/mainformfixture.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>

namespace tessaly {
namespace {

using test::MainFormTest;

TEST_F(MainFormTest, LanguageSetGivesMenusLabelsTitleAndFonts) {
    program.WriteNumberedLanguageSet("xx");
    StoreLanguage(QStringLiteral("xx"));
    ASSERT_TRUE(Start());
    const auto items = form->MenuItems();
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i]->text(), QStringLiteral("menu %1").arg(i));
    }
    EXPECT_EQ(form->FileMenu->title(), QStringLiteral("menu 0"));
    EXPECT_EQ(form->CopyData->text(), QStringLiteral("menu 16"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("label 1"));
    EXPECT_EQ(ApplicationTitle(), QStringLiteral("label 1"));
    for (int i = 0; i < 14; ++i) {
        EXPECT_EQ(form->MainLabels[i]->text(), QStringLiteral("label %1").arg(i + 2));
        EXPECT_EQ(form->MainLabels[i]->font().family(), QStringLiteral("Test Face"));
    }
    EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("CopyLabel"))->text(),
              QStringLiteral("label 15"));
    for (QWidget* w : {static_cast<QWidget*>(form.get()), static_cast<QWidget*>(form->Comment)}) {
        EXPECT_EQ(w->font().family(), QStringLiteral("Test Face"));
        EXPECT_EQ(w->font().pixelSize(), 12);
    }
}

TEST_F(MainFormTest, EmptyFaceLineKeepsFontsAndLongFaceIsCut) {
    std::vector<std::string> labels(35, "x");
    labels[0] = "";
    program.WriteNumberedLanguageSet("xx");
    program.WriteLanguageFile("labels", "xx", labels);
    StoreLanguage(QStringLiteral("xx"));
    ASSERT_TRUE(Start());
    EXPECT_EQ(form->font().family(), QStringLiteral("MS Sans Serif"));

    labels[0] = std::string(40, 'F');
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
    program.WriteNumberedLanguageSet("en", 16);
    EXPECT_EQ(Start(), nullptr);
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes[0].text,
              QStringLiteral("リストのインデックスが範囲を超えています (16)"));
}

TEST_F(MainFormTest, ShortLabelsFileStartsButAMessageReportsTheMissingCaption) {
    program.WriteNumberedLanguageSet("xx", 17, 20);
    StoreLanguage(QStringLiteral("xx"));
    ASSERT_TRUE(Start());
    RunGuarded(desktop, form.get(), [&] { form->ShowMessageText(form->MessageTexts.Line(9)); });
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes[0].kind, QStringLiteral("error"));
    EXPECT_EQ(desktop.boxes[0].caption, QStringLiteral("label 1"));
    EXPECT_EQ(desktop.boxes[0].text,
              QStringLiteral("リストのインデックスが範囲を超えています (33)"));
}

TEST_F(MainFormTest, MessagesAndThePaletteQuestionUseTheirLines) {
    program.WriteNumberedLanguageSet("xx");
    StoreLanguage(QStringLiteral("xx"));
    ASSERT_TRUE(Start());
    form->ShowMessageText(form->MessageTexts.Line(8));
    desktop.yesNoAnswers = {true, false};
    EXPECT_TRUE(form->AskPaletteQuestion());
    EXPECT_FALSE(form->AskPaletteQuestion());
    ASSERT_EQ(desktop.boxes.size(), 3u);
    EXPECT_EQ(desktop.boxes[0].kind, QStringLiteral("warning"));
    EXPECT_EQ(desktop.boxes[0].caption, QStringLiteral("label 33"));
    EXPECT_EQ(desktop.boxes[0].text, QStringLiteral("message 8"));
    EXPECT_EQ(desktop.boxes[1].kind, QStringLiteral("question"));
    EXPECT_EQ(desktop.boxes[1].caption, QStringLiteral("label 32"));
    EXPECT_EQ(desktop.boxes[1].text, QStringLiteral("message 6"));
}

TEST_F(MainFormTest, JapaneseSetAppliesWhenStored) {
    StoreLanguage(QStringLiteral("ja"));
    ASSERT_TRUE(Start());
    EXPECT_EQ(form->FileMenu->title(), QStringLiteral("ファイル(&F)"));
    EXPECT_EQ(form->MainLabels[5]->text(), QStringLiteral("テーブル"));
}

TEST(ShippedLanguageSets, HoldEveryLineTheListsNeed) {
    const QDir ltexts(QStringLiteral(TESSALY_DATA_DIR "/ltexts"));
    const std::pair<const char*, std::size_t> lists[] = {
        {"menuitems", 17}, {"labels", 35}, {"messages", 11}};
    int sets = 0;
    for (const QString& file : ltexts.entryList({QStringLiteral("menuitems.*")})) {
        const std::string code = file.section(QLatin1Char('.'), 1).toStdString();
        for (const auto& [stem, needed] : lists) {
            const std::string path = LanguageFilePath(TESSALY_DATA_DIR, stem, code);
            EXPECT_GE(LoadTextList(path).Count(), needed) << path;
        }
        ++sets;
    }
    EXPECT_GE(sets, 2);
}

} // namespace
} // namespace tessaly
