#pragma once

#include <QFont>
#include <string>

class QLabel;
class QWidget;

namespace tessaly {

// The windows' font as designed, before a language sets its face: "MS Sans Serif" (or
// the given face) at the given pixel height.
QFont DesignFont(int pixels = 12, const QString& face = QStringLiteral("MS Sans Serif"));

// Sets the face name of the widget's font from a language line, leaving size, style
// and the rest as they are. An empty line changes nothing; a longer name than the
// platform takes is cut to its first 31 bytes.
void SetFontFace(QWidget* widget, const std::string& line);

// Sets a label's caption. As in menus, "&" marks the next character as the access key
// (shown underlined) and "&&" shows one ampersand.
void SetLabelCaption(QLabel* label, const std::string& line);

} // namespace tessaly
