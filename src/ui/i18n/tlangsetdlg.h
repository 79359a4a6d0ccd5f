#pragma once

#include "core/i18n/languagefile.h"

#include <QDialog>

class QListWidget;
class QPushButton;

namespace tessaly {

class Desktop;
class TMainForm;

// Config > Language: the lines of the language list, the first one selected; OK sets
// the main window's language code from the selected line.
class TLangSetDlg : public QDialog {
    Q_OBJECT

  public:
    TLangSetDlg(TMainForm& mainForm, Desktop& desktop);

    QListWidget* LangList;
    QPushButton* OkBtn;

    void FormShow();
    void OkBtnClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    TMainForm& mainForm_;
    Desktop& desktop_;
    TextList lines_;
};

} // namespace tessaly
