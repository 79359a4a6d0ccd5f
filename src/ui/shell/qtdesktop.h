#pragma once

#include "ui/shell/desktop.h"

namespace tessaly {

// The desktop seam on Qt: real modal dialogs and message boxes.
class QtDesktop : public Desktop {
  public:
    bool ExecuteFileDialog(FileDialog& dialog, QWidget* parent) override;
    void ShowWarning(QWidget* parent, const QString& caption, const QString& text) override;
    bool AskYesNo(QWidget* parent, const QString& caption, const QString& text) override;
    int ExecuteDialog(QDialog& dialog) override;
    bool RunProgramAndWait(const QString& program, const QString& argument) override;
    bool OpenInShell(const QString& path) override;
    void ShowError(QWidget* parent, const QString& caption, const QString& text) override;
};

// Runs a program with one argument and waits for its end without processing events;
// false when it could not be started.
bool RunProgramAndWait(const QString& program, const QString& argument);

} // namespace tessaly
