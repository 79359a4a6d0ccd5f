#include "ui/shell/errorguard.h"

#include "core/base/platformerror.h"
#include "core/i18n/languagelines.h"
#include "ui/shell/desktop.h"
#include "ui/shell/narrowtext.h"

#include <new>

namespace tessaly {
namespace {

QString& Title() {
    static QString title;
    return title;
}

const TextList*& Messages() {
    static const TextList* messages = nullptr;
    return messages;
}

// The message line of a platform text, or the fixed text itself without a message list.
std::string Worded(const AddedLine& line, const std::string& subject, const std::string& fixed) {
    return Messages() ? FillLine(AddedLineText(*Messages(), line), subject) : fixed;
}

std::string PlatformText(const PlatformError& error) {
    switch (error.TextKind()) {
    case PlatformError::Kind::CannotOpen:
        return Worded(MessageLine::PlatformCannotOpen, error.Subject(), error.what());
    case PlatformError::Kind::CannotCreate:
        return Worded(MessageLine::PlatformCannotCreate, error.Subject(), error.what());
    case PlatformError::Kind::ListIndex:
        return Worded(MessageLine::PlatformListIndex, error.Subject(), error.what());
    case PlatformError::Kind::Jpeg:
        return Worded(MessageLine::PlatformJpegError, error.Subject(), error.what());
    case PlatformError::Kind::Other:
        break;
    }
    return error.what();
}

} // namespace

QString ApplicationTitle() {
    return Title();
}

void SetApplicationTitle(const QString& title) {
    Title() = title;
}

void SetErrorMessageTexts(const TextList* messages) {
    Messages() = messages;
}

QString ErrorText(const std::exception& error) {
    if (const auto* platform = dynamic_cast<const PlatformError*>(&error)) {
        return Wide(PlatformText(*platform));
    }
    if (dynamic_cast<const std::bad_alloc*>(&error)) {
        const std::string fixed(MessageLine::NoMemory.fallback);
        return Wide(Messages() ? AddedLineText(*Messages(), MessageLine::NoMemory) : fixed);
    }
    return Wide(error.what());
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
    } catch (const std::exception& error) {
        text = ErrorText(error);
    }
    desktop.ShowError(parent, ApplicationTitle(), ErrorBoxText(text));
    return false;
}

} // namespace tessaly
