#include "core/art/builtinpictures.h"
#include "ui/shell/mainformdesign.h"
#include "ui/shell/roomtextfield.h"
#include "ui/shell/slotimage.h"
#include "ui/support/mainformfixture.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>

namespace tessaly {
namespace {

using test::MainFormTest;

// A mouse press straight to the component, as the window system delivers it (no
// context menu comes of it).
void Press(QWidget* widget, Qt::MouseButton button, Qt::KeyboardModifiers modifiers = {}) {
    const QPointF at(2, 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), button, button,
                      modifiers);
    QApplication::sendEvent(widget, &press);
}

TEST_F(MainFormTest, EachSlotComponentIsNamedPlacedAndIndexedByItsTag) {
    ASSERT_TRUE(Start());
    for (PartSlot slot = 0; slot < SlotCount; ++slot) {
        SlotImage* image = form->SlotImages[slot];
        const auto name = QString::fromLatin1(SlotCatalogue(slot).component);
        EXPECT_EQ(image->Tag(), slot);
        EXPECT_EQ(form->findChild<SlotImage*>(name), image) << slot;
        EXPECT_EQ(image->geometry(), SlotBox(slot)) << slot;
        EXPECT_EQ(image->Picture().width, SlotCatalogue(slot).width) << slot;
    }
    EXPECT_EQ(form->PlacementRects, BuiltInPlacementRects());
    EXPECT_EQ(form->CurrentSlot, Slot::WinDay);
}

// The commands and dialogs reach the pictures the components hold and show.
TEST_F(MainFormTest, RoomAccessorsReachTheSlotComponents) {
    ASSERT_TRUE(Start());
    SlotPicture bath = BuiltInPicture(Slot::Bath);
    bath.Set(0, 0, 77);
    form->SetSlotPicture(Slot::Bath, bath);
    EXPECT_EQ(form->SlotImages[Slot::Bath]->Picture(), bath);
    for (PartSlot slot : {Slot::Bath, MaskOf(Slot::DoorNight)}) {
        EXPECT_EQ(&form->SlotPictureOf(slot), &form->SlotImages[slot]->Picture()) << slot;
    }
    // The bath is in RoomPalette: the composition reads its pixels where the component
    // holds them.
    RoomSlots room = form->Room();
    EXPECT_EQ(room.Indices(Slot::Bath).pixels,
              form->SlotImages[Slot::Bath]->Picture().pixels.data());
    EXPECT_EQ(&room.Placement(Slot::Bath), &form->PlacementRects[Slot::Bath]);
}

TEST_F(MainFormTest, AnyMouseButtonChoosesTheSlot) {
    ASSERT_TRUE(Start());
    Press(form->SlotImages[MaskOf(Slot::Room)], Qt::LeftButton);
    EXPECT_EQ(form->CurrentSlot, MaskOf(Slot::Room));
    Press(form->SlotImages[Slot::DoorOpen], Qt::RightButton, Qt::ShiftModifier);
    EXPECT_EQ(form->CurrentSlot, Slot::DoorOpen);
    Press(form->SlotImages[MaskOf(Slot::DoorNight)], Qt::MiddleButton);
    EXPECT_EQ(form->CurrentSlot, MaskOf(Slot::DoorNight));
}

TEST_F(MainFormTest, ContextMenuEnablesCommandsBySlot) {
    ASSERT_TRUE(Start());
    struct Case {
        PartSlot slot;
        bool copyImage, createMask, copyData;
    };
    using namespace Slot;
    const Case cases[] = {
        {Room, false, true, false},
        {DoorNight, true, false, false},
        {WinDay, true, false, false},
        {DoorDay, true, false, false},
        {DoorClose, true, true, false},
        {Letter3, true, true, false},
        {MaskOf(WinDay), false, false, true},
        {MaskOf(Room), false, false, true},
        {MaskOf(DoorNight), false, false, true},
    };
    for (const Case& c : cases) {
        form->WinDayImageMouseDown(form->SlotImages[c.slot]);
        form->PopupMenuPopup();
        EXPECT_EQ(form->CopyImage->isEnabled(), c.copyImage) << c.slot;
        EXPECT_EQ(form->CreateMask->isEnabled(), c.createMask) << c.slot;
        EXPECT_EQ(form->CopyData->isEnabled(), c.copyData) << c.slot;
        for (QAction* always : {form->Edit, form->OpenPFile, form->SavePFile}) {
            EXPECT_TRUE(always->isEnabled()) << c.slot;
        }
    }
}

TEST_F(MainFormTest, RightClickOpensTheRealContextMenuForThatSlot) {
    ASSERT_TRUE(Start());
    form->show();
    SlotImage* room = form->SlotImages[Slot::Room];
    bool seen = false;
    QTimer::singleShot(0, [&] {
        QWidget* popup = QApplication::activePopupWidget();
        seen = popup == form->PopupMenu && !form->CopyImage->isEnabled() &&
               form->CreateMask->isEnabled();
        if (popup) {
            popup->close();
        }
    });
    Press(room, Qt::RightButton);
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            room->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(room, &event);
    EXPECT_TRUE(seen);
    EXPECT_EQ(form->CurrentSlot, Slot::Room);
}

TEST_F(MainFormTest, FirstStartStoresEnglishAndLaterStartsKeepTheStoredCode) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(form->LanguageCode, "en");
    EXPECT_EQ(settings.ReadString(QStringLiteral("LANG")), QStringLiteral("en"));

    StoreLanguage(QStringLiteral("ja"));
    ASSERT_TRUE(Start());
    EXPECT_EQ(form->LanguageCode, "ja");
    EXPECT_EQ(settings.ReadString(QStringLiteral("LANG")), QStringLiteral("ja"));
}

TEST_F(MainFormTest, ProgramDirIsTheFolderOfTheProgramFile) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(form->ProgramDir, program.Path());
}

TEST_F(MainFormTest, ExitClosesTheWindow) {
    ASSERT_TRUE(Start());
    form->show();
    form->Exit->trigger();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(desktop.boxes.empty());
}

TEST_F(MainFormTest, TextFieldsTakeNoEnterAndTabInOrder) {
    ASSERT_TRUE(Start());
    form->show();
    QApplication::setActiveWindow(form.get());
    form->RoomName->setFocus();
    QTest::keyClicks(form->RoomName, QStringLiteral("ab"));
    QTest::keyClick(form->RoomName, Qt::Key_Return);
    QTest::keyClick(form->RoomName, Qt::Key_Enter);
    QTest::keyClicks(form->RoomName, QStringLiteral("c"));
    EXPECT_EQ(form->RoomName->toPlainText(), QStringLiteral("abc"));
    QTest::keyClick(form->RoomName, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form->Comment);
    QTest::keyClick(form->Comment, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form->Copyright);
}

TEST_F(MainFormTest, MenuShortcutsAreSet) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(form->OpenRoomFile->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    EXPECT_EQ(form->SaveRoomFile->shortcut(), QKeySequence(QStringLiteral("Ctrl+A")));
    EXPECT_EQ(form->Exit->shortcut(), QKeySequence(QStringLiteral("Ctrl+X")));
    EXPECT_TRUE(form->N1->isSeparator());
    EXPECT_TRUE(form->N2->isSeparator());
}

} // namespace
} // namespace tessaly
