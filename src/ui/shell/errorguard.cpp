#include "ui/shell/errorguard.h"

#include "core/base/platformerror.h"
#include "ui/shell/desktop.h"
#include "ui/shell/narrowtext.h"

#include <new>

namespace tessaly {
namespace {

QString& Title() {
    static QString title;
    return title;
}

} // namespace

QString ApplicationTitle() {
    return Title();
}

void SetApplicationTitle(const QString& title) {
    Title() = title;
}

QString ErrorBoxText(const QString& text) {
    const bool endsLow = !text.isEmpty() && text.back() <= QLatin1Char('.');
    return text.isEmpty() || endsLow ? text : text + QLatin1Char('.');
}

bool RunGuarded(Desktop& desktop, QWidget* parent, const std::function<void()>& command) {
    QString text;
    try {
        command();
        return true;
    } catch (const std::bad_alloc&) {
        text = QStringLiteral("Out of memory");
    } catch (const std::exception& error) {
        text = Wide(error.what());
    }
    desktop.ShowError(parent, ApplicationTitle(), ErrorBoxText(text));
    return false;
}

} // namespace tessaly
