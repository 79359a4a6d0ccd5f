#pragma once

#include <string>

class QLabel;
class QWidget;

namespace tessaly {

// Sets the face name of the widget's font from a language line, leaving size, style
// and the rest as they are. An empty line changes nothing; a longer name than the
// platform takes is cut to its first 31 bytes.
void SetFontFace(QWidget* widget, const std::string& line);

// Sets a label's caption. As in menus, "&" marks the next character as the access key
// (shown underlined) and "&&" shows one ampersand.
void SetLabelCaption(QLabel* label, const std::string& line);

} // namespace tessaly
