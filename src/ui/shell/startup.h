#pragma once

#include <QString>
#include <memory>

namespace tessaly {

class Desktop;
class SettingsStore;
class TMainForm;

// Start-up: sets the application title and creates the main window. When creating it
// fails, the error is shown in the standard error box and nothing is returned: the
// program then ends without showing a window.
std::unique_ptr<TMainForm> CreateMainForm(Desktop& desktop, SettingsStore& settings,
                                          const QString& programFile);

} // namespace tessaly
