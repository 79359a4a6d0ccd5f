#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace tessaly {

class Desktop;

// The application title: the caption of the standard error box.
QString ApplicationTitle();
void SetApplicationTitle(const QString& title);

// The text the standard error box shows: the error's text with a full stop added
// unless it ends in a character that sorts at or before ".".
QString ErrorBoxText(const QString& text);

// Runs a command; an error it raises is shown in the standard error box and the
// program goes on. Returns false when the command ended by an error.
bool RunGuarded(Desktop& desktop, QWidget* parent, const std::function<void()>& command);

} // namespace tessaly
