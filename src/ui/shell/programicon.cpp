#include "ui/shell/programicon.h"

#include <QIconEngine>
#include <QPainter>
#include <optional>

namespace tessaly {
namespace {

class LazyFileIconEngine : public QIconEngine {
  public:
    LazyFileIconEngine(QStringList files, QList<QSize> sizes)
        : files_(std::move(files)), sizes_(std::move(sizes)) {}

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return mode == QIcon::Normal && state == QIcon::Off ? sizes_
                                                            : Loaded().availableSizes(mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Loaded().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Loaded().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return Loaded().pixmap(size, scale, mode, state);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QIconEngine* clone() const override { return new LazyFileIconEngine(*this); }
    QString key() const override { return QStringLiteral("LazyFileIconEngine"); }
    bool isNull() override { return files_.isEmpty(); }

  private:
    const QIcon& Loaded() {
        if (!icon_) {
            icon_.emplace();
            for (const QString& file : files_) {
                icon_->addFile(file);
            }
        }
        return *icon_;
    }

    QStringList files_;
    QList<QSize> sizes_;
    std::optional<QIcon> icon_;
};

} // namespace

QIcon LazyFileIcon(const QStringList& files, const QList<int>& sizes) {
    QList<QSize> squares;
    for (int size : sizes) {
        squares.append(QSize(size, size));
    }
    return QIcon(new LazyFileIconEngine(files, squares));
}

} // namespace tessaly
