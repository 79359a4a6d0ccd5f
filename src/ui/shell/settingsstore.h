#pragma once

#include <QString>
#include <optional>

namespace tessaly {

// The per-user settings: organisation "Adrenik", application "Quellkit" (on Linux
// ~/.config/Adrenik/Quellkit.conf). Every read or write opens the store and closes it
// again, so a value written is on disk before the call returns.
class SettingsStore {
  public:
    // The string value of the name, or nothing when the value is missing. Throws
    // PlatformError when the value is there but not a string.
    std::optional<QString> ReadString(const QString& name) const;
    void WriteString(const QString& name, const QString& value);
};

} // namespace tessaly
