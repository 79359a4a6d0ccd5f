#include "ui/support/fakedesktop.h"

#include "ui/shell/filedialog.h"
#include "ui/shell/qtdesktop.h"

#include <QDialog>

namespace tessaly::test {

bool FakeDesktop::ExecuteFileDialog(FileDialog& dialog, QWidget*) {
    fileDialogFilters << dialog.Filter();
    fileDialogStartNames << dialog.FileName();
    if (fileAnswers.empty()) {
        return false;
    }
    const std::optional<QString> answer = fileAnswers.front();
    fileAnswers.pop_front();
    if (answer) {
        dialog.SetFileName(*answer);
    }
    return answer.has_value();
}

void FakeDesktop::ShowWarning(QWidget*, const QString& caption, const QString& text) {
    boxes.push_back({QStringLiteral("warning"), caption, text});
}

bool FakeDesktop::AskYesNo(QWidget*, const QString& caption, const QString& text) {
    boxes.push_back({QStringLiteral("question"), caption, text});
    if (yesNoAnswers.empty()) {
        return false;
    }
    const bool answer = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return answer;
}

void FakeDesktop::ShowError(QWidget*, const QString& caption, const QString& text) {
    boxes.push_back({QStringLiteral("error"), caption, text});
}

int FakeDesktop::ExecuteDialog(QDialog& dialog) {
    dialog.show();
    if (onDialog) {
        onDialog(dialog);
    }
    dialog.close();
    return dialog.result();
}

bool FakeDesktop::RunProgramAndWait(const QString& program, const QString& argument) {
    programsRun << program + QLatin1Char(' ') + argument;
    if (whenProgramStarts) {
        whenProgramStarts();
    }
    return tessaly::RunProgramAndWait(program, argument);
}

bool FakeDesktop::OpenInShell(const QString& path) {
    shellOpened << path;
    return shellHasViewer;
}

} // namespace tessaly::test
