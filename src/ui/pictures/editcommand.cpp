#include "core/base/paths.h"
#include "core/base/platformerror.h"
#include "core/base/wholefile.h"
#include "core/bitmap/bmpcodec.h"
#include "core/i18n/languagelines.h"
#include "ui/pictures/tedsetdlg.h"
#include "ui/shell/desktop.h"
#include "ui/shell/narrowtext.h"
#include "ui/shell/settingsstore.h"
#include "ui/shell/tmainform.h"

#include <QApplication>

namespace tessaly {

// Config > Image editor.
void TMainForm::EditorSetClick() {
    TEdSetDlg dialog(*this, desktop_, settings_);
    desktop_.ExecuteDialog(dialog);
}

// Edit: hands the slot's picture to the image editor in a temporary file, waits with the
// window minimised until the editor ends, then takes the file back under the load tests.
void TMainForm::EditClick() {
    const PartSlot slot = CurrentSlot;
    const QString editor = settings_.ReadString(EditorSettingName).value_or(QString());
    if (editor.isEmpty()) {
        ShowMessageText(MessageTexts.Line(MessageLine::NoEditorSet));
        return;
    }
    const std::string temporary = ScratchFolderPath(PictureScratchPath);
    RemoveFileOnExit removeTemporary = WriteScratchBmpFile(SlotPictureOf(slot), temporary);
    showMinimized();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const bool ran = desktop_.RunProgramAndWait(editor, Wide(temporary));
    showNormal();
    if (!ran) {
        throw PlatformError("The image editor " + Narrow(editor) + " cannot be started");
    }
    const PictureCheckResult result = CheckPictureFile(temporary, slot);
    if (result == PictureCheckResult::Unopenable) {
        ShowMessageText(MessageTexts.Line(MessageLine::ScratchUnopenable));
    }
    if (result != PictureCheckResult::Accepted) {
        return;
    }
    SlotPicture edited;
    try {
        edited = ReadBmpFile(temporary);
    } catch (const PlatformError&) {
        // An edited file that cannot be read stays in the temporary folder: it holds the
        // user's work.
        removeTemporary.Keep();
        throw;
    }
    SetSlotPicture(slot, std::move(edited));
}

} // namespace tessaly
