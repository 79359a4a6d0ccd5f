#include "ui/i18n/captions.h"

#include "core/i18n/languagefile.h"
#include "ui/shell/narrowtext.h"

#include <QLabel>

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

void SetLabelCaption(QLabel* label, const std::string& line) {
    const QString caption = Wide(line);
    QString html;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const bool accessKey = caption[i] == QLatin1Char('&') && i + 1 < caption.size();
        if (accessKey && caption[i + 1] != QLatin1Char('&')) {
            html += QStringLiteral("<u>%1</u>").arg(QString(caption[++i]).toHtmlEscaped());
            continue;
        }
        i += accessKey ? 1 : 0;
        html += QString(caption[i]).toHtmlEscaped();
    }
    label->setTextFormat(Qt::RichText);
    label->setText(html);
}

} // namespace tessaly
