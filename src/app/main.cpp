#include "app/qtdesktop.h"
#include "app/settingsstore.h"
#include "app/startup.h"
#include "app/tmainform.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    tessaly::QtDesktop desktop;
    tessaly::SettingsStore settings;
    auto form = tessaly::CreateMainForm(desktop, settings, QApplication::applicationFilePath());
    if (!form) {
        return 1;
    }
    form->show();
    return QApplication::exec();
}
