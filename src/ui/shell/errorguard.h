#pragma once

#include <QString>
#include <exception>
#include <functional>

class QWidget;

namespace tessaly {

class Desktop;
class TextList;

// The application title: the caption of the standard error box.
QString ApplicationTitle();
void SetApplicationTitle(const QString& title);

// The message lines that word the platform's error texts and "Out of memory" in the
// user's language; null (the start) or a set without those lines gives the fixed texts.
void SetErrorMessageTexts(const TextList* messages);

// The text of an error: the platform's texts (a file that cannot be opened or created, a
// missing list line, a JPEG library error) and a failed allocation from the message
// lines, any other error's own text.
QString ErrorText(const std::exception& error);

// The text the standard error box shows: the error's text with a full stop added
// unless it ends in a character that sorts at or before ".".
QString ErrorBoxText(const QString& text);

// Runs a command; an error it raises is shown in the standard error box and the
// program goes on. Returns false when the command ended by an error.
bool RunGuarded(Desktop& desktop, QWidget* parent, const std::function<void()>& command);

} // namespace tessaly
