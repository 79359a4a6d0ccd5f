#include "ui/shell/startup.h"

#include "ui/shell/errorguard.h"
#include "ui/shell/tmainform.h"

namespace tessaly {

std::unique_ptr<TMainForm> CreateMainForm(Desktop& desktop, SettingsStore& settings,
                                          const QString& programFile) {
    SetApplicationTitle(QStringLiteral("Tessaly"));
    std::unique_ptr<TMainForm> form;
    RunGuarded(desktop, nullptr,
               [&] { form = std::make_unique<TMainForm>(desktop, settings, programFile); });
    return form;
}

} // namespace tessaly
