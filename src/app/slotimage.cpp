#include "app/slotimage.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>

namespace tessaly {

QImage ToQImage(const SlotPicture& picture) {
    QImage image(picture.width, picture.height, QImage::Format_Indexed8);
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

SlotImage::SlotImage(PartSlot tag, SlotPicture picture, QMenu* popupMenu, QWidget* parent)
    : QWidget(parent), tag_(tag), popupMenu_(popupMenu) {
    SetPicture(std::move(picture));
}

void SlotImage::SetPicture(SlotPicture picture) {
    picture_ = std::move(picture);
    shown_ = ToQImage(picture_);
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

} // namespace tessaly
