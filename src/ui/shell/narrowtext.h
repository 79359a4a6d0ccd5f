#pragma once

#include <QString>
#include <string>

namespace tessaly {

// Text crosses between the core and the windows as the locale's 8-bit bytes.
inline QString Wide(const std::string& narrow) {
    return QString::fromLocal8Bit(narrow);
}
inline std::string Narrow(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

} // namespace tessaly
