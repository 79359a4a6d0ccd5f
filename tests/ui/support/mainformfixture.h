#pragma once

#include "ui/shell/settingsstore.h"
#include "ui/shell/startup.h"
#include "ui/shell/tmainform.h"
#include "ui/support/fakedesktop.h"
#include "ui/support/programfolder.h"

#include <QSettings>
#include <filesystem>
#include <gtest/gtest.h>

namespace tessaly::test {

// A main window over a private copy of the data files, a scripted desktop and empty
// settings.
class MainFormTest : public testing::Test {
  protected:
    MainFormTest() { QSettings(QStringLiteral("Adrenik"), QStringLiteral("Quellkit")).clear(); }

    // Creates the window as start-up does; null when start-up failed.
    TMainForm* Start() {
        form = CreateMainForm(desktop, settings, program.ProgramFile());
        return form.get();
    }
    void StoreLanguage(const QString& code) { settings.WriteString(QStringLiteral("LANG"), code); }
    // The window's message line, as its boxes show it.
    QString Message(long line) const {
        return QString::fromStdString(form->MessageTexts.Line(line));
    }

    ProgramFolder program;
    FakeDesktop desktop;
    SettingsStore settings;
    std::unique_ptr<TMainForm> form;
};

// The same, with the scratch folder ("TEMP") a private one the test can look into.
class ScratchMainFormTest : public MainFormTest {
  protected:
    ScratchMainFormTest() {
        qputenv("TEMP", QByteArray::fromStdString(temp.Path()));
        Start();
    }
    ~ScratchMainFormTest() override { qunsetenv("TEMP"); }
    // No scratch file is left: TEMP holds at most the process's own scratch folder, which
    // goes when the process ends, and that folder holds nothing.
    bool TempEmpty() const {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(temp.Path())) {
            if (!entry.is_directory()) {
                return false;
            }
        }
        return true;
    }

    ScratchFolder temp;
};

} // namespace tessaly::test
