#include "ui/shell/filedialog.h"

#include "ui/shell/desktop.h"

namespace tessaly {

FileDialog::FileDialog(Desktop& desktop, QWidget* owner, Kind kind, QString filter,
                       QString defaultExt, bool picturePreview)
    : desktop_(desktop), owner_(owner), kind_(kind), filter_(std::move(filter)),
      defaultExt_(std::move(defaultExt)), picturePreview_(picturePreview) {}

bool FileDialog::Execute() {
    return desktop_.ExecuteFileDialog(*this, owner_);
}

QStringList FileDialog::NameFilters() const {
    const QStringList parts = filter_.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const bool bare = parts[i] == parts[i + 1]; // "*.bmp|*.bmp" shows as "*.bmp"
        filters << (bare ? parts[i] : QStringLiteral("%1 (%2)").arg(parts[i], parts[i + 1]));
    }
    return filters;
}

} // namespace tessaly
