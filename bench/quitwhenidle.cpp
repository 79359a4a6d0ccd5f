// Loaded into a Qt program with LD_PRELOAD (see bench/compare): ends the program the
// first time its event loop has nothing left to do after a window has painted, i.e.
// when the program has started and its window has settled. It measures any Qt program
// the same way, the editor and the ten-line window alike.
#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>

namespace {

class PaintWatch : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* event) override {
        painted_ = painted_ || event->type() == QEvent::Paint;
        return false;
    }
    bool Painted() const { return painted_; }

  private:
    bool painted_ = false;
};

void QuitWhenSettled() {
    auto* watch = new PaintWatch;
    QCoreApplication::instance()->installEventFilter(watch);
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                     watch, [watch] {
                         if (watch->Painted()) {
                             QCoreApplication::exit(0);
                         }
                     });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(QuitWhenSettled)
