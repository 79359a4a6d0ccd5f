#include "ui/shell/settingsstore.h"

#include "core/base/platformerror.h"
#include "ui/shell/narrowtext.h"

#include <QSettings>

namespace tessaly {
namespace {

QSettings OpenKey() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Adrenik"),
                     QStringLiteral("Quellkit"));
}

} // namespace

std::optional<QString> SettingsStore::ReadString(const QString& name) const {
    const QVariant value = OpenKey().value(name);
    if (!value.isValid()) {
        return std::nullopt;
    }
    if (value.typeId() != QMetaType::QString) {
        throw PlatformError("The setting " + Narrow(name) + " is not a string");
    }
    return value.toString();
}

void SettingsStore::WriteString(const QString& name, const QString& value) {
    QSettings key = OpenKey();
    key.setValue(name, value);
    key.sync();
}

} // namespace tessaly
