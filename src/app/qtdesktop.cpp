#include "app/qtdesktop.h"

#include "app/filedialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace tessaly {
namespace {

QMessageBox::StandardButton RunMessageBox(QWidget* parent, QMessageBox::Icon icon,
                                          const QString& caption, const QString& text,
                                          QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, caption, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

bool QtDesktop::ExecuteFileDialog(FileDialog& dialog, QWidget* parent) {
    QFileDialog fileDialog(parent);
    // Qt's own dialog on every desktop, so the default extension and the picture
    // preview behave the same everywhere.
    fileDialog.setOption(QFileDialog::DontUseNativeDialog);
    const bool save = dialog.DialogKind() == FileDialog::Kind::Save;
    fileDialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    fileDialog.setFileMode(QFileDialog::AnyFile);
    fileDialog.setOption(QFileDialog::DontConfirmOverwrite);
    fileDialog.setNameFilters(dialog.NameFilters());
    fileDialog.setDefaultSuffix(dialog.DefaultExt());
    if (!dialog.FileName().isEmpty()) {
        fileDialog.setDirectory(QFileInfo(dialog.FileName()).absolutePath());
        fileDialog.selectFile(dialog.FileName());
    }
    if (fileDialog.exec() != QDialog::Accepted || fileDialog.selectedFiles().isEmpty()) {
        return false;
    }
    dialog.SetFileName(fileDialog.selectedFiles().constFirst());
    return true;
}

void QtDesktop::ShowWarning(QWidget* parent, const QString& caption, const QString& text) {
    RunMessageBox(parent, QMessageBox::Warning, caption, text, QMessageBox::Ok);
}

bool QtDesktop::AskYesNo(QWidget* parent, const QString& caption, const QString& text) {
    return RunMessageBox(parent, QMessageBox::Question, caption, text,
                         QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

int QtDesktop::ExecuteDialog(QDialog& dialog) { return dialog.exec(); }

void QtDesktop::ShowError(QWidget* parent, const QString& caption, const QString& text) {
    RunMessageBox(parent, QMessageBox::Critical, caption, text, QMessageBox::Ok);
}

} // namespace tessaly
