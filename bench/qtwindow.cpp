// The floor for starting the editor: a Qt Widgets window and nothing else.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QLabel window(QStringLiteral("Tessaly"));
    window.show();
    return QApplication::exec();
}
