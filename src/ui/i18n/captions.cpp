#include "ui/i18n/captions.h"

#include "core/i18n/languagefile.h"
#include "ui/shell/narrowtext.h"

#include <QPainter>
#include <QStyle>

namespace tessaly {

QFont DesignFont(int pixels, const QString& face) {
    QFont font(face);
    font.setPixelSize(pixels);
    return font;
}

void SetFontFace(QWidget* widget, const std::string& line) {
    if (line.empty()) {
        return;
    }
    const QStringList families{Wide(FontFaceName(line))};
    if (widget->font().families() == families) {
        return; // the face it has, perhaps from its parent: a change would only relayout
    }
    QFont font = widget->font();
    font.setFamilies(families);
    widget->setFont(font);
}

CaptionLabel::CaptionLabel(const QString& caption, QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setText(caption);
}

// Drawn as the style draws a button's caption: "&" handled, nothing else interpreted.
void CaptionLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const Qt::Alignment shown = QStyle::visualAlignment(layoutDirection(), alignment());
    style()->drawItemText(&painter, contentsRect(), static_cast<int>(shown) | Qt::TextShowMnemonic,
                          palette(), isEnabled(), text(), foregroundRole());
}

void SetLabelCaption(CaptionLabel* label, const std::string& line) {
    label->setText(Wide(line));
}

} // namespace tessaly
