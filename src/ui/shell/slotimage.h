#pragma once

#include "core/slots/catalogue.h"
#include "core/slots/slotpicture.h"

#include <QImage>
#include <QWidget>

class QMenu;
class QMimeData;

namespace tessaly {

// The picture component of one slot: owns the slot's picture and shows it stretched
// into its box, nearest-neighbour so that pixel art stays crisp. A mouse press of any
// button is reported before the context menu opens.
class SlotImage : public QWidget {
    Q_OBJECT

  public:
    SlotImage(PartSlot tag, SlotPicture picture, QMenu* popupMenu, QWidget* parent);

    PartSlot Tag() const { return tag_; }
    const SlotPicture& Picture() const { return picture_; }
    // Replaces the picture and shows the new one. Throws std::bad_alloc, leaving the
    // slot as it was, when there is no memory for the image shown.
    void SetPicture(SlotPicture picture);
    // The same with the image shown already made by ToQImage; cannot fail.
    void SetPicture(SlotPicture picture, QImage shown);

  signals:
    void MouseDown(SlotImage* sender);
    // A BMP file was dropped on the component (after MouseDown has chosen its slot).
    void FileDropped(const QString& path);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    PartSlot tag_;
    SlotPicture picture_;
    QImage shown_;
    QMenu* popupMenu_;
};

// The one local .bmp file that dragged data carries, or an empty string.
QString DroppedBmpFile(const QMimeData* data);

// A slot picture as an 8-bit indexed QImage. Throws std::bad_alloc when Qt cannot get
// the memory for it.
QImage ToQImage(const SlotPicture& picture);

} // namespace tessaly
