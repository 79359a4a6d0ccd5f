#include "core/base/datafiles.h"
#include "core/base/paths.h"
#include "core/base/platformerror.h"
#include "core/base/wholefile.h"
#include "core/i18n/languagelines.h"
#include "core/package/roompackage.h"
#include "core/package/scratchpassage.h"
#include "ui/shell/narrowtext.h"
#include "ui/shell/roomtextfield.h"
#include "ui/shell/slotimage.h"
#include "ui/shell/tmainform.h"

#include <functional>
#include <optional>

namespace tessaly {
namespace {

// Runs a command's read of a whole file, reporting a file that cannot be opened or memory
// that cannot be had with the window's messages.
std::optional<Bytes> ReadForCommand(TMainForm& form, const std::function<Bytes()>& read) {
    try {
        return read();
    } catch (const FileOpenError&) {
        form.ShowMessageText(form.MessageTexts.Line(MessageLine::CannotOpenFile));
    } catch (const std::bad_alloc&) {
        form.ShowMessageText(form.MessageTexts.Line(MessageLine::OutOfMemory));
    }
    return std::nullopt;
}

} // namespace

void TMainForm::OpenRoomFileClick() {
    if (OpenDialog.Execute()) {
        ReadRoomPackage(Narrow(OpenDialog.FileName()));
    }
}

// Reads the package whole and decodes all forty bitmaps (each through a scratch file)
// and the images that show them before anything in the window changes, so a bad
// package, or one there is no memory for, leaves the window as it was.
void TMainForm::ReadRoomPackage(const std::string& path) {
    const std::string scratch = ScratchFolderPath(PackageScratchPath);
    const std::optional<Bytes> bytes =
        ReadForCommand(*this, [&] { return ReadWholeFile(path, MaxPackageFileBytes); });
    if (!bytes) {
        return;
    }
    if (bytes->size() < MinPackageSize) {
        ShowMessageText(MessageTexts.Line(MessageLine::PackageTooShort));
        return;
    }
    RoomPackage package = DecodeRoomPackage(*bytes, [&](std::span<const std::uint8_t> bitmap) {
        return LoadThroughScratch(bitmap, scratch);
    });
    std::array<QImage, SlotCount> shown;
    for (PartSlot slot = 0; slot < SlotCount; ++slot) {
        shown[slot] = ToQImage(package.pictures[slot]);
    }
    RoomName->SetRoomText(package.texts.name);
    Comment->SetRoomText(package.texts.comment);
    Copyright->SetRoomText(package.texts.copyright);
    // Read within a package's limits, the pictures replace the room's all at once: no
    // slot-by-slot test against the room's total (see SetSlotPicture) is needed.
    for (PartSlot slot = 0; slot < SlotCount; ++slot) {
        SlotImages[slot]->SetPicture(std::move(package.pictures[slot]), std::move(shown[slot]));
    }
}

// File > Save As: builds the whole package in memory (each picture through a scratch
// file) and only then replaces the chosen file, so a failure never spoils a package
// that is already there.
void TMainForm::SaveRoomFileClick() {
    if (!SaveDialog.Execute()) {
        return;
    }
    const std::string scratch = ScratchFolderPath(PackageScratchPath);
    const std::optional<Bytes> headerTemplate =
        ReadForCommand(*this, [&] { return ReadHeaderTemplate(ProgramDir); });
    if (!headerTemplate) {
        return;
    }
    const RoomTexts texts{RoomName->RoomText(), Comment->RoomText(), Copyright->RoomText()};
    Bytes package;
    try {
        package = EncodeRoomPackage(*headerTemplate, texts, [&](PartSlot slot) {
            return EncodeThroughScratch(SlotPictureOf(slot), scratch);
        });
    } catch (const ScratchReopenError&) {
        ShowMessageText(MessageTexts.Line(MessageLine::ScratchUnopenable));
        return;
    }
    try {
        WriteFileAtomically(Narrow(SaveDialog.FileName()), package);
    } catch (const PlatformError&) {
        ShowMessageText(MessageTexts.Line(MessageLine::CannotOpenFile));
    }
}

} // namespace tessaly
