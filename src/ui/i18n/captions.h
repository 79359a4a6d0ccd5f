#pragma once

#include <QFont>
#include <QLabel>
#include <string>

class QWidget;

namespace tessaly {

// The windows' font as designed, before a language sets its face: "MS Sans Serif" (or
// the given face) at the given pixel height.
QFont DesignFont(int pixels = 12, const QString& face = QStringLiteral("MS Sans Serif"));

// Sets the face name of the widget's font from a language line, leaving size, style
// and the rest as they are. An empty line changes nothing; a longer name than the
// platform takes is cut to its first 31 bytes.
void SetFontFace(QWidget* widget, const std::string& line);

// A label that shows its caption as plain text, every blank kept (runs of spaces,
// leading and trailing ones), where, as in menus, "&" marks the next character as the
// access key (drawn underlined) and "&&" shows one ampersand. text() is the caption as
// given.
class CaptionLabel : public QLabel {
  public:
    CaptionLabel(const QString& caption, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// Sets a label's caption to a language line, unchanged.
void SetLabelCaption(CaptionLabel* label, const std::string& line);

} // namespace tessaly
