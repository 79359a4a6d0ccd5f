#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace tessaly {

class CaptionLabel;
class Desktop;
class TMainForm;

// Help > About: the program's icon, its title line, the version and a copyright line.
class TAboutBox : public QDialog {
    Q_OBJECT

  public:
    TAboutBox(TMainForm& mainForm, Desktop& desktop);

    QFrame* Bevel1;
    QLabel* ProgramIcon;
    CaptionLabel* ApName;
    QLabel* Version;
    QLabel* VersinNo;
    QLabel* Copyright;
    QPushButton* Button1;

    void FormShow();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    TMainForm& mainForm_;
    Desktop& desktop_;
};

} // namespace tessaly
