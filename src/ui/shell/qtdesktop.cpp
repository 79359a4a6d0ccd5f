#include "ui/shell/qtdesktop.h"

#include "core/base/platformerror.h"
#include "core/bitmap/bmpcodec.h"
#include "ui/shell/filedialog.h"
#include "ui/shell/narrowtext.h"
#include "ui/shell/slotimage.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

namespace tessaly {
namespace {

QMessageBox::StandardButton RunMessageBox(QWidget* parent, QMessageBox::Icon icon,
                                          const QString& caption, const QString& text,
                                          QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, caption, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

// A box beside the file list that shows the BMP file under the cursor, read by the
// program's own picture loader; files it refuses show nothing.
void AddPicturePreview(QFileDialog& dialog) {
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    if (!grid) {
        return;
    }
    auto* preview = new QLabel(&dialog);
    preview->setObjectName(QStringLiteral("PicturePreview"));
    preview->setFixedSize(160, 120);
    preview->setAlignment(Qt::AlignCenter);
    preview->setFrameShape(QFrame::StyledPanel);
    grid->addWidget(preview, 1, grid->columnCount(), 1, 1, Qt::AlignTop);
    QObject::connect(&dialog, &QFileDialog::currentChanged, preview,
                     [preview](const QString& path) {
                         try {
                             const QImage image = ToQImage(ReadBmpFile(Narrow(path)));
                             preview->setPixmap(QPixmap::fromImage(image).scaled(
                                 preview->size(), Qt::KeepAspectRatio, Qt::FastTransformation));
                         } catch (const std::exception&) {
                             preview->clear(); // a refused file, or no memory for it
                         }
                     });
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
    if (dialog.PicturePreview()) {
        AddPicturePreview(fileDialog);
    }
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

int QtDesktop::ExecuteDialog(QDialog& dialog) {
    return dialog.exec();
}

bool RunProgramAndWait(const QString& program, const QString& argument) {
    QProcess process;
    process.setProgram(program);
    process.setArguments({argument});
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.setInputChannelMode(QProcess::ForwardedInputChannel);
    process.start();
    if (!process.waitForStarted(-1)) {
        return false;
    }
    process.waitForFinished(-1);
    return true;
}

bool QtDesktop::RunProgramAndWait(const QString& program, const QString& argument) {
    return tessaly::RunProgramAndWait(program, argument);
}

bool QtDesktop::OpenInShell(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void QtDesktop::ShowError(QWidget* parent, const QString& caption, const QString& text) {
    RunMessageBox(parent, QMessageBox::Critical, caption, text, QMessageBox::Ok);
}

} // namespace tessaly
