#include "core/base/wholefile.h"
#include "core/i18n/languagelines.h"
#include "ui/i18n/captions.h"
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

using namespace LabelLine;

QString Label(long line) {
    return test::NumberedLine("label", line);
}

class CheckFormTest : public test::MainFormTest {
  protected:
    void StartWith(long labelLines = LabelLine::BaseCount) {
        program.WriteNumberedLanguageSet("xx", MenuLine::BaseCount, labelLines);
        StoreLanguage(QStringLiteral("xx"));
        ASSERT_TRUE(Start());
    }
    SlotPicture Expected(const PreviewState& state) const {
        SlotPicture preview = BlankPreview();
        RoomSlots roomSlots(
            [this](PartSlot s) -> const SlotPicture& { return form->SlotImages[s]->Picture(); },
            form->PlacementRects);
        ComposeRoom(preview, roomSlots, state);
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
        EXPECT_EQ(check.windowTitle(), Label(CheckCaption));
        EXPECT_EQ(check.TimeLabel->text(), Label(CheckTimeLabel));
        EXPECT_EQ(check.TimeSetting->currentText(), Label(Daytime));
        const std::pair<QComboBox*, QStringList> entries[] = {
            {check.TimeSetting, {Label(Daytime), Label(Nighttime)}},
            {check.DoorSetting, {Label(Closed), Label(HalfOpen), Label(Open)}},
            {check.TBoxSetting, {Label(Closed), Label(Open)}},
            {check.BedSetting, {Label(BedDefault), Label(Sleeping)}},
        };
        for (const auto& [box, texts] : entries) {
            ASSERT_EQ(box->count(), texts.size());
            for (int i = 0; i < box->count(); ++i) {
                EXPECT_EQ(box->itemText(i), texts[i]);
            }
            EXPECT_EQ(box->font().family(), QStringLiteral("Test Face"));
        }
        EXPECT_EQ(check.SaveBtn->text(), Label(CheckSaveBtn));
        EXPECT_EQ(check.LaBSetting->text(), Label(CheckLaBSetting));
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
        QTest::keyClicks(check.DoorSetting->lineEdit(), Label(HalfOpen));
        EXPECT_EQ(check.PreviewPicture(), Expected({true, DoorState::HalfOpen, true, true}));
        QTest::keyClick(check.DoorSetting->lineEdit(), Qt::Key_X);
        EXPECT_EQ(check.PreviewPicture(), Expected({true, DoorState::Closed, true, true}));
        QTest::keyClick(check.DoorSetting->lineEdit(), Qt::Key_Return);
        EXPECT_EQ(check.DoorSetting->count(), 3);
        check.TimeSetting->setEditText(Label(Nighttime).toUpper());
        EXPECT_EQ(check.PreviewPicture(), Expected({false, DoorState::Closed, true, true}));
    });
}

TEST_F(CheckFormTest, EqualHalfOpenAndOpenTextsGiveTheOpenDoor) {
    std::vector<std::string> labels;
    for (long i = 0; i < LabelLine::BaseCount; ++i) {
        labels.push_back(i == HalfOpen || i == Open ? "ajar" : Label(i).toStdString());
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
    StartWith(CheckLaBSetting); // the last line is missing
    WithCheckForm([&](TCheckForm& check) {
        EXPECT_EQ(check.SaveBtn->text(), Label(CheckSaveBtn));
        EXPECT_EQ(check.PreviewPicture(), BlankPreview());
        check.TimeSetting->setCurrentIndex(1);
        EXPECT_EQ(check.PreviewPicture(), Expected({true}));
    });
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes[0].text,
              QStringLiteral("リストのインデックスが範囲を超えています (%1)").arg(CheckLaBSetting));
}

TEST_F(CheckFormTest, SaveWritesTheShownPictureAndOffersTheLastName) {
    StartWith();
    test::ScratchFolder folder;
    const QString jpeg = QString::fromStdString(folder.File("room.jpg"));
    desktop.fileAnswers = {jpeg, jpeg};
    SlotPicture sleeping = form->SlotPictureOf(Slot::BedSleeping);
    std::fill(sleeping.pixels.begin(), sleeping.pixels.end(), 200);
    form->SetSlotPicture(Slot::BedSleeping, sleeping);
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
