#pragma once

#include "ui/shell/desktop.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>

namespace tessaly::test {

// A desktop that answers from a script and records what the program showed.
class FakeDesktop : public Desktop {
  public:
    struct Box {
        QString kind; // "warning", "question" or "error"
        QString caption;
        QString text;
    };

    bool ExecuteFileDialog(FileDialog& dialog, QWidget* parent) override;
    void ShowWarning(QWidget* parent, const QString& caption, const QString& text) override;
    bool AskYesNo(QWidget* parent, const QString& caption, const QString& text) override;
    void ShowError(QWidget* parent, const QString& caption, const QString& text) override;
    // Shows the dialog without a modal loop, lets onDialog act on it, then closes it.
    int ExecuteDialog(QDialog& dialog) override;
    // Runs the program for real (tests use small scripts as editors) and records it.
    bool RunProgramAndWait(const QString& program, const QString& argument) override;
    bool OpenInShell(const QString& path) override;

    // Answers for the next file dialogs: a path to choose, or nothing to cancel.
    std::deque<std::optional<QString>> fileAnswers;
    // Answers for the next questions; a question with none left is answered No.
    std::deque<bool> yesNoAnswers;

    std::function<void(QDialog&)> onDialog;
    // Called just before the program starts.
    std::function<void()> whenProgramStarts;

    QStringList programsRun; // "program argument"
    QStringList shellOpened;
    bool shellHasViewer = true; // what opening a path in the shell answers

    std::vector<Box> boxes;
    QStringList fileDialogFilters;
    QStringList fileDialogStartNames; // the name each file dialog offered when it opened
};

} // namespace tessaly::test
