#include "core/base/platformerror.h"
#include "ui/shell/errorguard.h"
#include "ui/support/fakedesktop.h"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

TEST(ErrorBox, AddsAFullStopUnlessTheTextEndsAtOrBeforeIt) {
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("Bad file"), QStringLiteral("Bad file.")},
        {QStringLiteral("Bad file."), QStringLiteral("Bad file.")},
        {QStringLiteral("index (33)"), QStringLiteral("index (33)")},
        {QStringLiteral("Stop!"), QStringLiteral("Stop!")},
        {QStringLiteral("dash-"), QStringLiteral("dash-")},
        {QStringLiteral("slash/"), QStringLiteral("slash/.")},
        {QStringLiteral("開けません"), QStringLiteral("開けません.")},
        {QString(), QString()},
    };
    for (const auto& [text, shown] : cases) {
        EXPECT_EQ(ErrorBoxText(text), shown) << text.toStdString();
    }
}

TEST(ErrorGuard, ShowsTheErrorUnderTheApplicationTitleAndGoesOn) {
    test::FakeDesktop desktop;
    SetApplicationTitle(QStringLiteral("Title Now"));
    EXPECT_TRUE(RunGuarded(desktop, nullptr, [] {}));
    EXPECT_FALSE(RunGuarded(desktop, nullptr, [] { throw PlatformError("broken file"); }));
    EXPECT_FALSE(RunGuarded(desktop, nullptr, [] { throw std::bad_alloc(); }));
    ASSERT_EQ(desktop.boxes.size(), 2u);
    EXPECT_EQ(desktop.boxes[0].kind, QStringLiteral("error"));
    EXPECT_EQ(desktop.boxes[0].caption, QStringLiteral("Title Now"));
    EXPECT_EQ(desktop.boxes[0].text, QStringLiteral("broken file."));
    EXPECT_EQ(desktop.boxes[1].text, QStringLiteral("Out of memory."));
}

} // namespace
} // namespace tessaly
