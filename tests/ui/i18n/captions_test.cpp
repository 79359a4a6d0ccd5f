#include "ui/i18n/captions.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace tessaly {
namespace {

TEST(LabelCaption, AmpersandMarksTheAccessKey) {
    const std::pair<const char*, const char*> cases[] = {
        {"name", "name"},
        {"&Open", "<u>O</u>pen"},
        {"Save &As", "Save <u>A</u>s"},
        {"R&&D", "R&amp;D"},
        {"end&", "end&amp;"},
        {"<b>x</b>", "&lt;b&gt;x&lt;/b&gt;"},
        {"", ""},
    };
    QLabel label;
    for (const auto& [line, shown] : cases) {
        SetLabelCaption(&label, line);
        EXPECT_EQ(label.text(), QString::fromUtf8(shown)) << line;
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
