#pragma once

#include <QString>

class QDialog;
class QWidget;

namespace tessaly {

class FileDialog;

// Every modal interaction of the program goes through this seam (file dialogs, message
// boxes, the program's own dialogs), and so do the two calls that hand work to other
// programs: running the image editor and opening a file in the desktop's viewer. Files
// are read and written through core/base/wholefile.h and settings through SettingsStore,
// not through this seam. The program uses QtDesktop, tests a scripted fake that answers
// and records.
class Desktop {
  public:
    virtual ~Desktop() = default;

    // Runs a file dialog; on acceptance stores the chosen path in the dialog and
    // returns true, on cancel leaves it and returns false.
    virtual bool ExecuteFileDialog(FileDialog& dialog, QWidget* parent) = 0;

    // A modal box with a warning icon and one OK button.
    virtual void ShowWarning(QWidget* parent, const QString& caption, const QString& text) = 0;

    // A modal box with a question icon and the buttons Yes and No; true for Yes.
    virtual bool AskYesNo(QWidget* parent, const QString& caption, const QString& text) = 0;

    // Shows one of the program's own dialogs modally; returns its result.
    virtual int ExecuteDialog(QDialog& dialog) = 0;

    // Starts the program with the one argument and waits, without handling any window
    // events, until it has ended. False when it could not be started.
    virtual bool RunProgramAndWait(const QString& program, const QString& argument) = 0;

    // Opens a file in the desktop's viewer for its type, without waiting. False when no
    // program could be asked to show it.
    virtual bool OpenInShell(const QString& path) = 0;

    // The standard error box: modal, stop icon, one OK button.
    virtual void ShowError(QWidget* parent, const QString& caption, const QString& text) = 0;
};

} // namespace tessaly
