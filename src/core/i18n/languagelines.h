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

// Added message lines: the platform's error texts and hostile conditions (scratch
// folder, files, memory, help), one block placed by its first line.
namespace MessageLine {
inline constexpr long FirstConditionLine = BaseCount;
// The platform's texts: a set without them shows the fixed texts; %s is the path, the
// list index or the JPEG library's error number.
inline constexpr AddedLine PlatformCannotOpen{FirstConditionLine + 0, "ファイル %s は開けません"};
inline constexpr AddedLine PlatformCannotCreate{FirstConditionLine + 1,
                                                "ファイル %s を作成できません"};
inline constexpr AddedLine PlatformListIndex{FirstConditionLine + 2,
                                             "リストのインデックスが範囲を超えています (%s)"};
inline constexpr AddedLine PlatformJpegError{FirstConditionLine + 3, "JPEG エラー #%s"};
// A file chosen for a slot that is not a BMP picture at all; %s is its path.
inline constexpr AddedLine NotABitmap{FirstConditionLine + 4, "The file %s is not a BMP picture."};
// This user's private temporary folder cannot be used (%s is its path), so the scratch
// files go to a fresh private folder instead.
inline constexpr AddedLine ScratchCannotCreate{
    FirstConditionLine + 5,
    "The private temporary folder %s cannot be created. A new private folder is used instead."};
inline constexpr AddedLine ScratchNotAFolder{
    FirstConditionLine + 6, "The private temporary folder %s is a link or a file, not a folder. "
                            "A new private folder is used instead."};
inline constexpr AddedLine ScratchOtherOwner{
    FirstConditionLine + 7, "The private temporary folder %s belongs to another user. A new "
                            "private folder is used instead."};
inline constexpr AddedLine ScratchOpenToOthers{
    FirstConditionLine + 8, "Other users may open the private temporary folder %s. A new private "
                            "folder is used instead."};
// Help > Contents when no program can show the page; %s is its path.
inline constexpr AddedLine HelpViewerMissing{FirstConditionLine + 9,
                                             "No program is set up to show the help page %s."};
// Any command that could not get the memory it needed.
inline constexpr AddedLine NoMemory{FirstConditionLine + 10, "Out of memory"};
} // namespace MessageLine

// The line with its first "%s" replaced by the value: plain text replacement.
std::string FillLine(std::string line, const std::string& value);

} // namespace tessaly
