#include "ui/shell/slotimage.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <new>

namespace tessaly {

QImage ToQImage(const SlotPicture& picture) {
    QImage image(picture.width, picture.height, QImage::Format_Indexed8);
    // Qt gives a null image, with null scan lines, when it cannot get the memory.
    if (image.isNull()) {
        throw std::bad_alloc();
    }
    QList<QRgb> table;
    for (const Rgb& c : picture.colourTable) {
        table << qRgb(c.red, c.green, c.blue);
    }
    // Indices past the end of a short table show as black.
    while (table.size() < 256) {
        table << qRgb(0, 0, 0);
    }
    image.setColorTable(table);
    for (int y = 0; y < picture.height; ++y) {
        const std::uint8_t* row = &picture.pixels[static_cast<std::size_t>(y) * picture.width];
        std::copy(row, row + picture.width, image.scanLine(y));
    }
    return image;
}

QString DroppedBmpFile(const QMimeData* data) {
    const QList<QUrl> urls = data->urls();
    const bool one = urls.size() == 1 && urls[0].isLocalFile();
    const QString path = one ? urls[0].toLocalFile() : QString();
    return path.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive) ? path : QString();
}

SlotImage::SlotImage(PartSlot tag, SlotPicture picture, QMenu* popupMenu, QWidget* parent)
    : QWidget(parent), tag_(tag), popupMenu_(popupMenu) {
    setAcceptDrops(true);
    SetPicture(std::move(picture));
}

void SlotImage::SetPicture(SlotPicture picture) {
    QImage shown = ToQImage(picture);
    SetPicture(std::move(picture), std::move(shown));
}

void SlotImage::SetPicture(SlotPicture picture, QImage shown) {
    picture_ = std::move(picture);
    shown_ = std::move(shown);
    update();
}

void SlotImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(rect(), shown_);
}

void SlotImage::mousePressEvent(QMouseEvent* event) {
    emit MouseDown(this);
    QWidget::mousePressEvent(event);
}

void SlotImage::contextMenuEvent(QContextMenuEvent* event) {
    popupMenu_->exec(event->globalPos());
}

void SlotImage::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedBmpFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void SlotImage::dropEvent(QDropEvent* event) {
    const QString path = DroppedBmpFile(event->mimeData());
    if (path.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    emit MouseDown(this);
    emit FileDropped(path);
}

} // namespace tessaly
