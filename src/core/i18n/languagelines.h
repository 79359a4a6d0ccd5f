#pragma once

#include "core/i18n/languagefile.h"

#include <string>
#include <string_view>

namespace tessaly {

// The lines of a language set by name, one namespace per list; code names a line by its
// constant, never by its number. A list's first BaseCount lines are its base lines: a
// missing one is an error when it is looked up (TextList::Line). Lines added later come
// after them and fall back to built-in texts (AddedLine).

// MenuTexts: the caption of each menu item, named after the item.
namespace MenuLine {
inline constexpr long FileMenu = 0;
inline constexpr long OpenRoomFile = 1;
inline constexpr long SaveRoomFile = 2;
inline constexpr long ShowCheck = 3;
inline constexpr long Exit = 4;
inline constexpr long Config = 5;
inline constexpr long EditorSet = 6;
inline constexpr long LanguageSet = 7;
inline constexpr long Help = 8;
inline constexpr long Contents = 9;
inline constexpr long About = 10;
inline constexpr long Edit = 11; // the context menu of the pictures from here on
inline constexpr long OpenPFile = 12;
inline constexpr long SavePFile = 13;
inline constexpr long CopyImage = 14;
inline constexpr long CreateMask = 15;
inline constexpr long CopyData = 16;
inline constexpr long BaseCount = 17;
} // namespace MenuLine

// LabelTexts: the font face, the title and the captions of the windows.
namespace LabelLine {
inline constexpr long FontFace = 0; // the face of every window's text
inline constexpr long Title = 1;    // application title, main window, About box's ApName
// The main window's labels, in the order of the window's design.
inline constexpr long WviewLabel = 2;
inline constexpr long DviewLabel = 3;
inline constexpr long DoorLabel = 4;
inline constexpr long BedLabel = 5;
inline constexpr long TBoxLabel = 6;
inline constexpr long TableLabel = 7;
inline constexpr long PostLabel = 8;
inline constexpr long BubbleLabel = 9;
inline constexpr long BathLabel = 10;
inline constexpr long LetterLabel = 11;
inline constexpr long RoomLabel = 12;
inline constexpr long NameLabel = 13;
inline constexpr long ComLabel = 14;
inline constexpr long CopyLabel = 15;
inline constexpr long AboutCaption = 16;
// The Check dialog. Closed and Open serve both the door and the treasure box.
inline constexpr long CheckCaption = 17;
inline constexpr long CheckTimeLabel = 18;
inline constexpr long Daytime = 19;
inline constexpr long Nighttime = 20;
inline constexpr long CheckDoorLabel = 21;
inline constexpr long Closed = 22;
inline constexpr long HalfOpen = 23;
inline constexpr long Open = 24;
inline constexpr long CheckTBoxLabel = 25;
inline constexpr long CheckBedLabel = 26;
inline constexpr long BedDefault = 27;
inline constexpr long Sleeping = 28;
inline constexpr long CheckSaveBtn = 29;
// The image editor setting dialog.
inline constexpr long EditorCaption = 30;
inline constexpr long EditorOpnBtn = 31;
// Message boxes.
inline constexpr long PaletteQuestionCaption = 32;
inline constexpr long MessageCaption = 33;  // every ShowMessageText box
inline constexpr long CheckLaBSetting = 34; // the Check dialog's check box
inline constexpr long BaseCount = 35;
} // namespace LabelLine

// MessageTexts: what each message reports.
namespace MessageLine {
inline constexpr long NoEditorSet = 0;        // Edit while no image editor is set
inline constexpr long ScratchUnopenable = 1;  // the temporary picture file cannot be reopened
inline constexpr long CoreHeader = 2;         // a BMP file with the old 12-byte header
inline constexpr long PictureDepth = 3;       // a part picture not of 8 bits per pixel
inline constexpr long Compressed = 4;         // a compressed BMP file
inline constexpr long PaletteFileMissing = 5; // the palette file cannot be opened
inline constexpr long PaletteQuestion = 6;    // the text of the palette question
inline constexpr long MaskDepth = 7;          // a mask neither of 8 nor of 1 bit per pixel
inline constexpr long CannotOpenFile = 8;     // a file to read or write cannot be opened
inline constexpr long PackageTooShort = 9;    // a room package shorter than its minimum
inline constexpr long OutOfMemory = 10;       // no memory for reading or writing a package
inline constexpr long BaseCount = 11;
} // namespace MessageLine

// A line added after a list's base lines, which sets made before it lack: its index and
// the text used when a set has no such line or an empty one. That text is built-in
// English, or for a platform error the error's fixed text. Every added line is listed in
// docs/language-lines.md.
struct AddedLine {
    long index;
    std::string_view fallback;
};

// The set's text of an added line when the list holds it and it is not empty; else the
// line's fallback. Never throws for a missing line.
std::string AddedLineText(const TextList& list, const AddedLine& line);

} // namespace tessaly
