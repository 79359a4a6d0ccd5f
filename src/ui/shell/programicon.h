#pragma once

#include <QIcon>
#include <QList>
#include <QSize>
#include <QStringList>

namespace tessaly {

// An icon of picture files in square sizes, read only when a picture of it is first
// needed. Start-up does not wait for them: the offscreen and Wayland platforms never ask
// for the window icon's pictures, while X11 and the About box read them when they do.
// Once read, the icon is the one QIcon::addFile makes of the same files.
QIcon LazyFileIcon(const QStringList& files, const QList<int>& sizes);

} // namespace tessaly
