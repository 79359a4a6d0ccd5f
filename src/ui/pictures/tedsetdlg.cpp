#include "ui/pictures/tedsetdlg.h"

#include "core/i18n/languagelines.h"
#include "ui/i18n/captions.h"
#include "ui/shell/errorguard.h"
#include "ui/shell/narrowtext.h"
#include "ui/shell/settingsstore.h"
#include "ui/shell/tmainform.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace tessaly {
namespace {

QPushButton* AddButton(QDialog* dialog, const char* name, const QString& caption, QRect box) {
    auto* button = new QPushButton(caption, dialog);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(box);
    button->setAutoDefault(false);
    return button;
}

} // namespace

TEdSetDlg::TEdSetDlg(TMainForm& mainForm, Desktop& desktop, SettingsStore& settings)
    : QDialog(&mainForm),
      OpenDialog(desktop, this, FileDialog::Kind::Open, QStringLiteral("*|*"), QString()),
      mainForm_(mainForm), desktop_(desktop), settings_(settings) {
    setObjectName(QStringLiteral("EdSetDlg"));
    setWindowTitle(QStringLiteral("Image editor"));
    setFont(DesignFont());
    setGeometry(286, 188, 334, 72);
    Editor = new QLineEdit(this);
    Editor->setObjectName(QStringLiteral("Editor"));
    Editor->setGeometry(8, 8, 257, 19);
    OpnBtn = AddButton(this, "OpnBtn", QStringLiteral("Browse"), {272, 8, 49, 19});
    OkBtn = AddButton(this, "OkBtn", QStringLiteral("OK"), {77, 40, 75, 25});
    CancelBtn = AddButton(this, "CancelBtn", QStringLiteral("Cancel"), {181, 40, 75, 25});
    // The two buttons keep their own font whatever the language sets.
    OkBtn->setFont(DesignFont());
    CancelBtn->setFont(DesignFont());
    setTabOrder(Editor, OpnBtn);
    setTabOrder(OpnBtn, OkBtn);
    setTabOrder(OkBtn, CancelBtn);
    connect(OpnBtn, &QPushButton::clicked, this,
            [this] { RunGuarded(desktop_, this, [this] { OpnBtnClick(); }); });
    connect(OkBtn, &QPushButton::clicked, this,
            [this] { RunGuarded(desktop_, this, [this] { OkBtnClick(); }); });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TEdSetDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    RunGuarded(desktop_, this, [this] { FormShow(); });
}

void TEdSetDlg::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
        return;
    }
    QDialog::keyPressEvent(event);
}

void TEdSetDlg::FormShow() {
    const TextList& lines = mainForm_.LabelTexts;
    SetFontFace(this, lines.Line(LabelLine::FontFace));
    setWindowTitle(Wide(lines.Line(LabelLine::EditorCaption)));
    SetFontFace(Editor, lines.Line(LabelLine::FontFace));
    SetFontFace(OpnBtn, lines.Line(LabelLine::FontFace));
    OpnBtn->setText(Wide(lines.Line(LabelLine::EditorOpnBtn)));
    if (const std::optional<QString> path = settings_.ReadString(EditorSettingName)) {
        Editor->setText(*path);
    }
}

void TEdSetDlg::OpnBtnClick() {
    if (OpenDialog.Execute()) {
        Editor->setText(OpenDialog.FileName());
    }
}

void TEdSetDlg::OkBtnClick() {
    if (Editor->text().isEmpty()) {
        return;
    }
    settings_.WriteString(EditorSettingName, Editor->text());
    accept();
}

} // namespace tessaly
