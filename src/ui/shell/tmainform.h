#pragma once

#include "core/i18n/languagefile.h"
#include "core/i18n/languagelines.h"
#include "core/preview/roomcomposition.h"
#include "core/slots/catalogue.h"
#include "ui/shell/filedialog.h"

#include <QMainWindow>
#include <array>
#include <string>

class QAction;
class QLabel;
class QMenu;

namespace tessaly {

class CaptionLabel;
class Desktop;
struct AddedLine;
class RoomTextField;
class SettingsStore;
class SlotImage;

// The setting name of the language code.
inline const QString LanguageSettingName = QStringLiteral("LANG");

// What the tests for a BMP file destined for a slot decided.
enum class PictureCheckResult { Accepted, Refused, Declined, Unopenable };

// The main window: the forty slot pictures, the room's three texts, the menus and the
// language texts. It owns all of the program's data; the commands of each subsystem
// are defined in that subsystem's folder.
class TMainForm : public QMainWindow {
    Q_OBJECT

  public:
    // Builds the window from its design, reads the settings and loads the language set.
    // Throws PlatformError when that fails; the window is then never shown.
    TMainForm(Desktop& desktop, SettingsStore& settings, const QString& programFile);
    ~TMainForm() override;

    // Window data.
    std::string ProgramDir;
    PartSlot CurrentSlot = 0;
    std::array<SlotImage*, SlotCount> SlotImages{};
    PlacementRectTable PlacementRects{};
    std::string LanguageCode;
    TextList MenuTexts;
    TextList LabelTexts;
    TextList MessageTexts;

    // Main menu.
    QMenu* FileMenu;
    QAction* OpenRoomFile;
    QAction* SaveRoomFile;
    QAction* N1;
    QAction* ShowCheck;
    QAction* N2;
    QAction* Exit;
    QMenu* Config;
    QAction* EditorSet;
    QAction* LanguageSet;
    QMenu* Help;
    QAction* Contents;
    QAction* About;

    // Context menu of the pictures.
    QMenu* PopupMenu;
    QAction* Edit;
    QAction* OpenPFile;
    QAction* SavePFile;
    QAction* CopyImage;
    QAction* CreateMask;
    QAction* CopyData;

    // Labels over the groups, in the order of their caption lines.
    std::array<CaptionLabel*, 14> MainLabels{};

    // The room's texts.
    RoomTextField* RoomName;
    RoomTextField* Comment;
    RoomTextField* Copyright;

    // File dialogs, kept for the window's life.
    FileDialog OpenPictureDialog;
    FileDialog SavePictureDialog;
    FileDialog OpenDialog;
    FileDialog SaveDialog;

    // The room's pictures, for the commands and the dialogs: the picture of a slot, a new
    // picture for a slot (shown at once), and the room as the composition reads it (the
    // slot pictures and PlacementRects). The slot components hold the pictures. A new
    // picture that would make the room's pictures hold more pixels than a package may
    // (so that the room could not be saved and opened again) is refused with
    // PlatformError, the slot left as it was.
    const SlotPicture& SlotPictureOf(PartSlot slot) const;
    void SetSlotPicture(PartSlot slot, SlotPicture picture);
    RoomSlots Room() const;

    // The menu items in the order of their caption lines.
    std::array<QAction*, MenuLine::BaseCount> MenuItems() const;

    // Loads the language set of LanguageCode and applies it to the window.
    void LoadLanguageTexts();
    // A modal warning box with the text and the message caption line.
    void ShowMessageText(const std::string& text);
    // The same with an added message line, its "%s" filled with the value.
    void ShowAddedMessage(const AddedLine& line, const std::string& value);
    // The palette question; true when the user answers Yes.
    bool AskPaletteQuestion();

    // Runs the tests for a BMP file destined for a slot and shows their messages.
    PictureCheckResult CheckPictureFile(const std::string& path, PartSlot slot);
    // Reads a room package into the window (File > Open after its dialog, and a package
    // named when the program starts).
    void ReadRoomPackage(const std::string& path);
    // Loads a BMP file into the current slot under those tests (Load and dropped files).
    void LoadPictureFile(const std::string& path);
    // The scratch folder of the commands: when this user's private folder could not be
    // used, says why (once) before going on with the folder made instead.
    std::string ScratchFolderPath(std::string (*path)());

    // Handlers.
    void OpenRoomFileClick();
    void SaveRoomFileClick();
    void ShowCheckClick();
    void EditorSetClick();
    void LanguageSetClick();
    void ContentsClick();
    void AboutClick();
    void EditClick();
    void OpenPFileClick();
    void SavePFileClick();
    void CopyImageClick();
    void CreateMaskClick();
    void CopyDataClick();
    void WinDayImageMouseDown(SlotImage* sender);
    void PopupMenuPopup();
    void ExitClick();

  private:
    void CreateMenus();
    void CreateContextMenu();
    void CreateSlotImages(QWidget* client);
    void CreateLabels(QWidget* client);
    void CreateTextFields(QWidget* client);
    void ReadLanguageSetting();
    void LoadStartLanguage();
    void SetProgramIcon();
    // Runs the handler inside the command guard whenever the action is triggered.
    void Attach(QAction* action, void (TMainForm::*handler)());

    // Replaces the picture of a slot with the picture made from another slot's through
    // the temporary picture file.
    void DeriveMask(PartSlot from, PartSlot into, SlotPicture (*derive)(const SlotPicture&));

    Desktop& desktop_;
    SettingsStore& settings_;
};

} // namespace tessaly
