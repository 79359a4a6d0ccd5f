#pragma once

#include "ui/shell/filedialog.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace tessaly {

class Desktop;
class SettingsStore;
class TMainForm;

// The setting name of the image editor's path.
inline const QString EditorSettingName = QStringLiteral("GEDIT");

// Config > Image editor: the path of the image editor, stored only by OK and never as
// an empty path. Enter and Escape do not close it.
class TEdSetDlg : public QDialog {
    Q_OBJECT

  public:
    TEdSetDlg(TMainForm& mainForm, Desktop& desktop, SettingsStore& settings);

    QLineEdit* Editor;
    QPushButton* OpnBtn;
    QPushButton* OkBtn;
    QPushButton* CancelBtn;
    FileDialog OpenDialog;

    void FormShow();
    void OpnBtnClick();
    void OkBtnClick();

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    TMainForm& mainForm_;
    Desktop& desktop_;
    SettingsStore& settings_;
};

} // namespace tessaly
