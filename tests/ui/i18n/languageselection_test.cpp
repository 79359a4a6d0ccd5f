#include "core/base/wholefile.h"
#include "tessaly/version.h"
#include "ui/i18n/captions.h"
#include "ui/i18n/taboutbox.h"
#include "ui/i18n/tlangsetdlg.h"
#include "ui/support/mainformfixture.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <filesystem>

namespace tessaly {
namespace {

class LanguageTest : public test::MainFormTest {
  protected:
    void WriteList(const std::string& text) const {
        WriteWholeFile(program.Path() + "/Qelbllist.cfg", Bytes(text.begin(), text.end()));
    }
    void WithLanguageDialog(const std::function<void(TLangSetDlg&)>& action) {
        desktop.onDialog = [&](QDialog& d) { action(dynamic_cast<TLangSetDlg&>(d)); };
        form->LanguageSet->trigger();
    }
    QStringList Items(const TLangSetDlg& dialog) const {
        QStringList items;
        for (int i = 0; i < dialog.LangList->count(); ++i) {
            items << dialog.LangList->item(i)->text();
        }
        return items;
    }
};

TEST_F(LanguageTest, OkStoresTheChosenCodeAndReloads) {
    program.WriteNumberedLanguageSet("xx");
    WriteList("English en\r\nTest set xx\r\n");
    ASSERT_TRUE(Start());
    WithLanguageDialog([&](TLangSetDlg& dialog) {
        EXPECT_EQ(Items(dialog), QStringList({"English en", "Test set xx"}));
        EXPECT_EQ(dialog.LangList->currentRow(), 0);
        dialog.LangList->setCurrentRow(1);
        dialog.OkBtn->click();
    });
    EXPECT_EQ(form->LanguageCode, "xx");
    EXPECT_EQ(settings.ReadString(QStringLiteral("LANG")), QStringLiteral("xx"));
    EXPECT_EQ(form->FileMenu->title(), test::NumberedLine("menu", MenuLine::FileMenu));
    EXPECT_TRUE(desktop.boxes.empty());
}

TEST_F(LanguageTest, FirstLineIsSelectedAndTheCloseBoxStillStoresAndReloads) {
    program.WriteNumberedLanguageSet("xx");
    WriteList("Test set xx\nEnglish en");
    StoreLanguage(QStringLiteral("en"));
    ASSERT_TRUE(Start());
    form->FileMenu->setTitle(QStringLiteral("changed"));
    settings.WriteString(QStringLiteral("LANG"), QStringLiteral("stale"));
    WithLanguageDialog([&](TLangSetDlg& dialog) {
        EXPECT_EQ(dialog.LangList->currentItem()->text(), QStringLiteral("Test set xx"));
    });
    EXPECT_EQ(form->LanguageCode, "en");
    EXPECT_EQ(settings.ReadString(QStringLiteral("LANG")), QStringLiteral("en"));
    EXPECT_EQ(form->FileMenu->title(), QStringLiteral("&File"));
}

TEST_F(LanguageTest, CrLfAndLfListsGiveTheSameLines) {
    ASSERT_TRUE(Start());
    QStringList seen[2];
    int i = 0;
    for (const char* text : {"English en\r\nDeutsch de\r\n", "English en\nDeutsch de"}) {
        WriteList(text);
        WithLanguageDialog([&](TLangSetDlg& dialog) { seen[i] = Items(dialog); });
        ++i;
    }
    EXPECT_EQ(seen[0], seen[1]);
    EXPECT_EQ(seen[0].size(), 2);
}

TEST_F(LanguageTest, MissingListAndOkOnAnEmptyListAreErrors) {
    ASSERT_TRUE(Start());
    program.Remove("Qelbllist.cfg");
    WithLanguageDialog([&](TLangSetDlg& dialog) {
        EXPECT_EQ(dialog.LangList->count(), 0);
        dialog.OkBtn->click();
        EXPECT_TRUE(dialog.isVisible());
    });
    ASSERT_EQ(desktop.boxes.size(), 2u);
    const QString list = QString::fromStdString(program.Path()) + "/Qelbllist.cfg";
    EXPECT_EQ(desktop.boxes[0].text, QStringLiteral("The file %1 cannot be opened.").arg(list));
    EXPECT_EQ(desktop.boxes[1].text, QStringLiteral("List index out of bounds (-1)"));
    EXPECT_EQ(form->LanguageCode, "en");
}

TEST_F(LanguageTest, AStoredLanguageWithoutASetFallsBackToEnglish) {
    StoreLanguage(QStringLiteral("zz"));
    ASSERT_TRUE(Start());
    EXPECT_EQ(form->LanguageCode, "en");
    EXPECT_EQ(settings.ReadString(QStringLiteral("LANG")), QStringLiteral("zz"));
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_TRUE(desktop.boxes[0].text.contains(QStringLiteral("menuitems.zz")));
    program.Remove("ltexts/labels.en");
    EXPECT_EQ(Start(), nullptr);
}

TEST_F(LanguageTest, HelpOpensTheLanguagePageOrTheCommonOne) {
    ASSERT_TRUE(Start());
    const QString help = QString::fromStdString(program.Path()) + "/Help";
    std::filesystem::remove_all(program.Path() + "/Help");
    form->Contents->trigger();
    std::filesystem::create_directories(program.Path() + "/Help/en");
    form->Contents->trigger();
    std::filesystem::remove_all(program.Path() + "/Help/en");
    WriteWholeFile(program.Path() + "/Help/en", Bytes{'x'});
    form->Contents->trigger();
    EXPECT_EQ(desktop.shellOpened, QStringList({help + "/zkindex.htm", help + "/en/zkindex.htm",
                                                help + "/en/zkindex.htm"}));
}

TEST_F(LanguageTest, AboutShowsTitleCaptionAndVersion) {
    std::vector<std::string> labels(LabelLine::BaseCount, "line");
    labels[LabelLine::FontFace] = "Test Face";
    labels[LabelLine::Title] = "";
    labels[LabelLine::AboutCaption] = "About this";
    program.WriteNumberedLanguageSet("xx");
    program.WriteLanguageFile("labels", "xx", labels);
    StoreLanguage(QStringLiteral("xx"));
    ASSERT_TRUE(Start());
    desktop.onDialog = [&](QDialog& dialog) {
        auto& about = dynamic_cast<TAboutBox&>(dialog);
        EXPECT_EQ(about.windowTitle(), QStringLiteral("About this"));
        EXPECT_EQ(about.ApName->text(), QString());
        EXPECT_EQ(about.ApName->font().family(), QStringLiteral("Test Face"));
        EXPECT_EQ(about.VersinNo->text(), QString::fromLatin1(TessalyVersion));
        EXPECT_EQ(about.Version->text(), QStringLiteral("Version."));
        EXPECT_TRUE(about.Button1->isDefault());
        EXPECT_FALSE(about.windowFlags() & Qt::WindowCloseButtonHint);
        about.Button1->click();
        EXPECT_EQ(about.result(), QDialog::Accepted);
    };
    form->About->trigger();
    EXPECT_TRUE(desktop.boxes.empty());
}

TEST(ShippedLanguageList, NamesOnlySetsThatExist) {
    const TextList list = LoadTextList(TESSALY_DATA_DIR "/Qelbllist.cfg");
    EXPECT_GE(list.Count(), 3u);
    for (const std::string& line : list.Lines()) {
        const std::string code = LanguageCodeOf(line);
        for (const char* stem : {"menuitems", "labels", "messages"}) {
            EXPECT_TRUE(std::filesystem::exists(LanguageFilePath(TESSALY_DATA_DIR, stem, code)))
                << line;
        }
    }
}

} // namespace
} // namespace tessaly
