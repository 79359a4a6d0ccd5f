#pragma once

#include "app/desktop.h"

namespace tessaly {

// The desktop seam on Qt: real modal dialogs and message boxes.
class QtDesktop : public Desktop {
public:
    bool ExecuteFileDialog(FileDialog& dialog, QWidget* parent) override;
    void ShowWarning(QWidget* parent, const QString& caption, const QString& text) override;
    bool AskYesNo(QWidget* parent, const QString& caption, const QString& text) override;
    int ExecuteDialog(QDialog& dialog) override;
    void ShowError(QWidget* parent, const QString& caption, const QString& text) override;
};

} // namespace tessaly
