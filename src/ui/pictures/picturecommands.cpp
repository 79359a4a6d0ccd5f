#include "core/base/datafiles.h"
#include "core/base/paths.h"
#include "core/base/platformerror.h"
#include "core/base/wholefile.h"
#include "core/bitmap/bmpcodec.h"
#include "core/i18n/languagelines.h"
#include "core/pictures/derivedpictures.h"
#include "core/pictures/picturecheck.h"
#include "ui/shell/narrowtext.h"
#include "ui/shell/tmainform.h"

namespace tessaly {
namespace {

// The tested fields end with the colour table at byte 1077.
constexpr std::size_t TestedBytes = 1078;

// The message line of each refusal.
long RefusalLine(PictureVerdict verdict) {
    switch (verdict) {
    case PictureVerdict::CoreHeader:
        return MessageLine::CoreHeader;
    case PictureVerdict::PictureDepth:
        return MessageLine::PictureDepth;
    case PictureVerdict::Compressed:
        return MessageLine::Compressed;
    default:
        return MessageLine::MaskDepth;
    }
}

} // namespace

PictureCheckResult TMainForm::CheckPictureFile(const std::string& path, PartSlot slot) {
    Bytes start;
    try {
        start = ReadFileStart(path, TestedBytes);
    } catch (const FileOpenError&) {
        return PictureCheckResult::Unopenable;
    }
    const PictureVerdict verdict = CheckPictureBytes(start, slot, std::nullopt);
    if (verdict == PictureVerdict::TooShort) {
        throw PlatformError("Invalid bitmap: the file " + path + " is too short");
    }
    if (verdict == PictureVerdict::NotABitmap) {
        ShowAddedMessage(MessageLine::NotABitmap, path);
        return PictureCheckResult::Refused;
    }
    if (verdict != PictureVerdict::Accepted) {
        ShowMessageText(MessageTexts.Line(RefusalLine(verdict)));
        return PictureCheckResult::Refused;
    }
    if (IsMaskSlot(slot)) {
        return PictureCheckResult::Accepted;
    }
    Bytes palette;
    try {
        palette = ReadPaletteFile(ProgramDir);
    } catch (const FileOpenError&) {
        ShowMessageText(MessageTexts.Line(MessageLine::PaletteFileMissing));
        return PictureCheckResult::Accepted;
    }
    const bool differs = CheckPictureBytes(start, slot, std::span<const std::uint8_t>(palette)) ==
                         PictureVerdict::PaletteDiffers;
    return differs && !AskPaletteQuestion() ? PictureCheckResult::Declined
                                            : PictureCheckResult::Accepted;
}

void TMainForm::LoadPictureFile(const std::string& path) {
    switch (CheckPictureFile(path, CurrentSlot)) {
    case PictureCheckResult::Unopenable:
        ShowMessageText(MessageTexts.Line(MessageLine::CannotOpenFile));
        return;
    case PictureCheckResult::Accepted:
        SetSlotPicture(CurrentSlot, ReadBmpFile(path));
        return;
    default:
        return;
    }
}

void TMainForm::OpenPFileClick() {
    if (OpenPictureDialog.Execute()) {
        LoadPictureFile(Narrow(OpenPictureDialog.FileName()));
    }
}

void TMainForm::SavePFileClick() {
    if (SavePictureDialog.Execute()) {
        WriteBmpFile(SlotPictureOf(CurrentSlot), Narrow(SavePictureDialog.FileName()));
    }
}

void TMainForm::CopyImageClick() {
    const PartSlot n = CurrentSlot;
    SetSlotPicture(
        n, CopyFromRoomView(SlotPictureOf(Slot::Room), PlacementRects[n], SlotPictureOf(n)));
}

void TMainForm::DeriveMask(PartSlot from, PartSlot into,
                           SlotPicture (*derive)(const SlotPicture&)) {
    const std::string temporary = ScratchFolderPath(PictureScratchPath);
    const RemoveFileOnExit remove = WriteScratchBmpFile(SlotPictureOf(from), temporary);
    SetSlotPicture(into, derive(ReadBmpFile(temporary)));
}

void TMainForm::CreateMaskClick() {
    DeriveMask(CurrentSlot, MaskOf(CurrentSlot), MakeMask);
}

void TMainForm::CopyDataClick() {
    DeriveMask(PictureOf(CurrentSlot), CurrentSlot, CopyAsMask);
}

} // namespace tessaly
