#include "ui/shell/errorguard.h"
#include "ui/shell/narrowtext.h"
#include "ui/shell/qtdesktop.h"
#include "ui/shell/settingsstore.h"
#include "ui/shell/startup.h"
#include "ui/shell/tmainform.h"

#include <QApplication>

// tessaly [ROOM.pac]: starts the editor, with the package open when one is named.
int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    tessaly::QtDesktop desktop;
    tessaly::SettingsStore settings;
    auto form = tessaly::CreateMainForm(desktop, settings, QApplication::applicationFilePath());
    if (!form) {
        return 1;
    }
    form->show();
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) {
        tessaly::RunGuarded(desktop, form.get(),
                            [&] { form->ReadRoomPackage(tessaly::Narrow(arguments[1])); });
    }
    return QApplication::exec();
}
