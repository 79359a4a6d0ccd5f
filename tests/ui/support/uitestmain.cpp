#include "support/scratchfolder.h"

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <gtest/gtest.h>

// Window tests run on Qt's offscreen platform, with settings in a private folder so that
// no test touches the real user's settings.
int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    tessaly::test::ScratchFolder settingsFolder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(settingsFolder.Path()));
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
