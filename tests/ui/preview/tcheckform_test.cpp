#include "core/base/wholefile.h"
#include "ui/preview/tcheckform.h"
#include "ui/shell/qtdesktop.h"
#include "ui/shell/slotimage.h"
#include "ui/support/mainformfixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>

namespace tessaly {
namespace {

class CheckFormTest : public test::MainFormTest {
  protected:
    void StartWith(int labelLines = 35) {
        program.WriteNumberedLanguageSet("xx", 17, labelLines);
        StoreLanguage(QStringLiteral("xx"));
        ASSERT_TRUE(Start());
    }
    SlotPicture Expected(const PreviewState& state) const {
        SlotPicture preview = BlankPreview();
        ComposeRoom(
            preview,
            {[this](PartSlot s) -> const SlotPicture& { return form->SlotImages[s]->Picture(); },
             form->PlacementRects},
            state);
        return preview;
    }
    // Opens File > Check and runs the action on the dialog while it is shown.
    void WithCheckForm(const std::function<void(TCheckForm&)>& action) {
        desktop.onDialog = [&](QDialog& dialog) { action(dynamic_cast<TCheckForm&>(dialog)); };
        form->ShowCheck->trigger();
    }
};

TEST_F(CheckFormTest, OpensWithTextsAndTheFirstState) {
    StartWith();
    WithCheckForm([&](TCheckForm& check) {
        EXPECT_EQ(check.windowTitle(), QStringLiteral("label 17"));
        EXPECT_EQ(check.TimeLabel->text(), QStringLiteral("label 18"));
        EXPECT_EQ(check.TimeSetting->currentText(), QStringLiteral("label 19"));
        const std::pair<QComboBox*, QStringList> entries[] = {
            {check.TimeSetting, {"label 19", "label 20"}},
            {check.DoorSetting, {"label 22", "label 23", "label 24"}},
            {check.TBoxSetting, {"label 22", "label 24"}},
            {check.BedSetting, {"label 27", "label 28"}},
        };
        for (const auto& [box, texts] : entries) {
            ASSERT_EQ(box->count(), texts.size());
            for (int i = 0; i < box->count(); ++i) {
                EXPECT_EQ(box->itemText(i), texts[i]);
            }
            EXPECT_EQ(box->font().family(), QStringLiteral("Test Face"));
        }
        EXPECT_EQ(check.SaveBtn->text(), QStringLiteral("label 29"));
        EXPECT_EQ(check.LaBSetting->text(), QStringLiteral("label 34"));
        EXPECT_EQ(check.OkBtn->text(), QStringLiteral("OK"));
        EXPECT_FALSE(check.LaBSetting->isChecked());
        EXPECT_EQ(check.PreviewPicture(), Expected({}));
    });
    EXPECT_TRUE(desktop.boxes.empty());
}

TEST_F(CheckFormTest, EveryChangeRecomposesFromTheTextOfTheBoxes) {
    StartWith();
    WithCheckForm([&](TCheckForm& check) {
        check.TimeSetting->setCurrentIndex(1);
        EXPECT_EQ(check.PreviewPicture(), Expected({true}));
        check.DoorSetting->setCurrentIndex(2);
        check.TBoxSetting->setCurrentIndex(1);
        check.BedSetting->setCurrentIndex(1);
        QTest::mouseClick(check.LaBSetting, Qt::LeftButton);
        EXPECT_EQ(check.PreviewPicture(), Expected({true, DoorState::Open, true, true, true}));
        QTest::mouseClick(check.LaBSetting, Qt::LeftButton);
        EXPECT_EQ(check.PreviewPicture(), Expected({true, DoorState::Open, true, true, false}));

        // Typed text: each keystroke recomposes; a text that is no entry gives the first state.
        check.DoorSetting->lineEdit()->clear();
        QTest::keyClicks(check.DoorSetting->lineEdit(), QStringLiteral("label 23"));
        EXPECT_EQ(check.PreviewPicture(), Expected({true, DoorState::HalfOpen, true, true}));
        QTest::keyClick(check.DoorSetting->lineEdit(), Qt::Key_X);
        EXPECT_EQ(check.PreviewPicture(), Expected({true, DoorState::Closed, true, true}));
        QTest::keyClick(check.DoorSetting->lineEdit(), Qt::Key_Return);
        EXPECT_EQ(check.DoorSetting->count(), 3);
        check.TimeSetting->setEditText(QStringLiteral("LABEL 20"));
        EXPECT_EQ(check.PreviewPicture(), Expected({false, DoorState::Closed, true, true}));
    });
}

TEST_F(CheckFormTest, EqualHalfOpenAndOpenTextsGiveTheOpenDoor) {
    std::vector<std::string> labels;
    for (int i = 0; i < 35; ++i) {
        labels.push_back(i == 23 || i == 24 ? "ajar" : "label " + std::to_string(i));
    }
    program.WriteNumberedLanguageSet("xx");
    program.WriteLanguageFile("labels", "xx", labels);
    StoreLanguage(QStringLiteral("xx"));
    ASSERT_TRUE(Start());
    WithCheckForm([&](TCheckForm& check) {
        check.DoorSetting->setCurrentIndex(1);
        EXPECT_EQ(check.PreviewPicture(), Expected({false, DoorState::Open}));
    });
}

TEST_F(CheckFormTest, MissingLabelLineStopsTheTextsAndLeavesThePreviewWhite) {
    StartWith(34);
    WithCheckForm([&](TCheckForm& check) {
        EXPECT_EQ(check.SaveBtn->text(), QStringLiteral("label 29"));
        EXPECT_EQ(check.PreviewPicture(), BlankPreview());
        check.TimeSetting->setCurrentIndex(1);
        EXPECT_EQ(check.PreviewPicture(), Expected({true}));
    });
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes[0].text,
              QStringLiteral("リストのインデックスが範囲を超えています (34)"));
}

TEST_F(CheckFormTest, SaveWritesTheShownPictureAndOffersTheLastName) {
    StartWith();
    test::ScratchFolder folder;
    const QString jpeg = QString::fromStdString(folder.File("room.jpg"));
    desktop.fileAnswers = {jpeg, jpeg};
    SlotPicture sleeping = form->SlotImages[9]->Picture();
    std::fill(sleeping.pixels.begin(), sleeping.pixels.end(), 200);
    form->SlotImages[9]->SetPicture(sleeping);
    WithCheckForm([&](TCheckForm& check) {
        check.SaveBtn->click();
        const auto first = ReadWholeFile(folder.File("room.jpg"));
        check.BedSetting->setCurrentIndex(1);
        EXPECT_EQ(ReadWholeFile(folder.File("room.jpg")), first);
        check.SaveBtn->click();
        EXPECT_NE(ReadWholeFile(folder.File("room.jpg")), first);
    });
    EXPECT_EQ(desktop.fileDialogFilters, QStringList({"*.jpg|*.jpg", "*.jpg|*.jpg"}));
    EXPECT_EQ(desktop.fileDialogStartNames, QStringList({QString(), jpeg}));
    EXPECT_TRUE(desktop.boxes.empty());
}

TEST_F(CheckFormTest, SaveIntoAMissingFolderReportsAndLeavesNothing) {
    StartWith();
    test::ScratchFolder folder;
    const std::string target = folder.File("gone/room.jpg");
    desktop.fileAnswers = {QString::fromStdString(target), std::nullopt};
    WithCheckForm([&](TCheckForm& check) {
        check.SaveBtn->click();
        check.SaveBtn->click(); // cancelled: nothing more
    });
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes[0].text,
              QString::fromStdString("ファイル " + target + " を作成できません."));
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

TEST_F(CheckFormTest, RealModalDialogOpensAndCloses) {
    StartWith();
    QtDesktop realDesktop;
    TCheckForm check(*form, realDesktop);
    bool shown = false;
    QTimer::singleShot(0, [&] {
        shown =
            QApplication::activeModalWidget() == &check && check.PreviewPicture() == Expected({});
        check.OkBtn->click();
    });
    EXPECT_EQ(realDesktop.ExecuteDialog(check), QDialog::Accepted);
    EXPECT_TRUE(shown);
}

} // namespace
} // namespace tessaly
