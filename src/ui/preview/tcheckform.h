#pragma once

#include "core/preview/roomcomposition.h"
#include "core/slots/slotpicture.h"
#include "ui/shell/filedialog.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace tessaly {

class CaptionLabel;
class Desktop;
class TextList;
class TMainForm;

// The preview dialog: the room composed for the chosen time, door, treasure box, bed and
// letters, recomposed from the white fill on every change, and saved as JPEG on request.
class TCheckForm : public QDialog {
    Q_OBJECT

  public:
    TCheckForm(TMainForm& mainForm, Desktop& desktop);

    QLabel* CheckImage;
    CaptionLabel* TimeLabel;
    QComboBox* TimeSetting;
    CaptionLabel* DoorLabel;
    QComboBox* DoorSetting;
    CaptionLabel* TBoxLabel;
    QComboBox* TBoxSetting;
    CaptionLabel* BedLabel;
    QComboBox* BedSetting;
    QCheckBox* LaBSetting;
    QPushButton* SaveBtn;
    QPushButton* OkBtn;
    FileDialog SaveDlg;

    // The picture shown: 320x240, RoomPalette indices.
    const SlotPicture& PreviewPicture() const { return preview_; }

    // Handlers and the composition steps, each reading its own control.
    void FormShow();
    void TimeSettingChange();
    void TBoxSettingChange();
    void BedSettingChange();
    void DoorSettingChange();
    void LaBSettingClick();
    void SaveBtnClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QComboBox* AddChoice(const char* name, int top, const QStringList& entries);
    CaptionLabel* AddLabel(const char* name, int top, int width, const char* caption);
    void ApplyTexts();
    void ShowPreview();
    RoomSlots& Slots();

    TMainForm& mainForm_;
    Desktop& desktop_;
    const TextList* labelTexts_ = nullptr;
    SlotPicture preview_;
    // The slots as the composition reads them, kept from the first composition on: the
    // dialog is modal, so the main window's pictures cannot change while it is open.
    std::optional<RoomSlots> slots_;
};

// Whether a choice box's text equals the text of its entry n, exactly.
bool TextIsEntry(const QComboBox* box, int entry);

} // namespace tessaly
