#include "ui/i18n/captions.h"

#include <QImage>
#include <QLabel>
#include <gtest/gtest.h>

namespace tessaly {
namespace {

// What a label shows, drawn left-aligned on a fixed box.
QImage Shown(QLabel& label) {
    label.setGeometry(0, 0, 160, 20);
    return label.grab().toImage();
}

QImage ShownAsPlainText(const QString& text) {
    QLabel plain(text);
    plain.setTextFormat(Qt::PlainText);
    return Shown(plain);
}

// A caption is drawn as plain text, nothing trimmed or collapsed and no markup
// interpreted, but for "&": the access key, underlined, and "&&" one ampersand.
TEST(LabelCaption, PlainTextWithTheAccessKey) {
    const std::pair<const char*, const char*> sameAsPlain[] = {
        {"  two  spaces  ", "  two  spaces  "},
        {"<b>x</b><br>", "<b>x</b><br>"},
        {"R&&D", "R&D"},
    };
    for (const auto& [line, plain] : sameAsPlain) {
        CaptionLabel label(QString(), nullptr);
        SetLabelCaption(&label, line);
        EXPECT_EQ(label.text(), QString::fromUtf8(line));
        EXPECT_EQ(Shown(label), ShownAsPlainText(QString::fromUtf8(plain))) << line;
    }
    const std::pair<const char*, const char*> differ[] = {
        {"&Open", "Open"},  // the underline
        {"&Open", "&Open"}, // the ampersand
        {" a", "a"},        // a leading blank
        {"a  b", "a b"},    // a run of blanks
    };
    for (const auto& [line, plain] : differ) {
        CaptionLabel label(QString::fromUtf8(line), nullptr);
        EXPECT_NE(Shown(label), ShownAsPlainText(QString::fromUtf8(plain))) << line << " " << plain;
    }
}

TEST(FontFace, EmptyLineLeavesTheFont) {
    QLabel label;
    QFont font(QStringLiteral("Original"));
    font.setPixelSize(17);
    label.setFont(font);
    SetFontFace(&label, "");
    EXPECT_EQ(label.font().family(), QStringLiteral("Original"));
    SetFontFace(&label, "Other Face");
    EXPECT_EQ(label.font().family(), QStringLiteral("Other Face"));
    EXPECT_EQ(label.font().pixelSize(), 17);
}

} // namespace
} // namespace tessaly
