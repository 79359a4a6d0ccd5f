#include "ui/preview/tcheckform.h"

#include "core/base/wholefile.h"
#include "core/i18n/languagelines.h"
#include "core/preview/jpegencoder.h"
#include "ui/i18n/captions.h"
#include "ui/shell/desktop.h"
#include "ui/shell/errorguard.h"
#include "ui/shell/narrowtext.h"
#include "ui/shell/slotimage.h"
#include "ui/shell/tmainform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>

namespace tessaly {
namespace {

constexpr int ClientWidth = 451;
constexpr int ClientHeight = 264;
constexpr int ControlLeft = 336;

} // namespace

bool TextIsEntry(const QComboBox* box, int entry) {
    return entry < box->count() && box->currentText() == box->itemText(entry);
}

TCheckForm::TCheckForm(TMainForm& mainForm, Desktop& desktop)
    : QDialog(&mainForm), SaveDlg(desktop, this, FileDialog::Kind::Save,
                                  QStringLiteral("*.jpg|*.jpg"), QStringLiteral("jpg")),
      mainForm_(mainForm), desktop_(desktop), preview_(BlankPreview()) {
    setObjectName(QStringLiteral("CheckForm"));
    setFont(DesignFont());
    setFixedSize(ClientWidth, ClientHeight);
    CheckImage = new QLabel(this);
    CheckImage->setObjectName(QStringLiteral("CheckImage"));
    CheckImage->setGeometry(8, 16, RoomWidth, RoomHeight);
    TimeLabel = AddLabel("TimeLabel", 8, 105, "time");
    TimeSetting = AddChoice("TimeSetting", 24, {"daytime", "nighttime"});
    DoorLabel = AddLabel("DoorLabel", 48, 97, "door");
    DoorSetting = AddChoice("DoorSetting", 64, {"closed", "half open", "open"});
    TBoxLabel = AddLabel("TBoxLabel", 88, 105, "treasure box");
    TBoxSetting = AddChoice("TBoxSetting", 104, {"closed", "open"});
    BedLabel = AddLabel("BedLabel", 128, 105, "bed");
    BedSetting = AddChoice("BedSetting", 144, {"default", "sleeping"});
    LaBSetting = new QCheckBox(QStringLiteral("letter and bubble"), this);
    LaBSetting->setObjectName(QStringLiteral("LaBSetting"));
    LaBSetting->setGeometry(ControlLeft, 176, ClientWidth - ControlLeft, 17);
    SaveBtn = new QPushButton(QStringLiteral("Save As..."), this);
    SaveBtn->setObjectName(QStringLiteral("SaveBtn"));
    SaveBtn->setGeometry(352, 200, 75, 25);
    OkBtn = new QPushButton(QStringLiteral("OK"), this);
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    OkBtn->setGeometry(352, 232, 75, 25);
    OkBtn->setFont(DesignFont()); // its own font, whatever face the language sets
    OkBtn->setAutoDefault(false);
    SaveBtn->setAutoDefault(false);
    const std::array<QWidget*, 7> keyboardOrder{TimeSetting, DoorSetting, TBoxSetting, OkBtn,
                                                BedSetting,  SaveBtn,     LaBSetting};
    for (std::size_t i = 1; i < keyboardOrder.size(); ++i) {
        setTabOrder(keyboardOrder[i - 1], keyboardOrder[i]);
    }
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(LaBSetting, &QCheckBox::clicked, this, [this] { LaBSettingClick(); });
    connect(SaveBtn, &QPushButton::clicked, this,
            [this] { RunGuarded(desktop_, this, [this] { SaveBtnClick(); }); });
    ShowPreview();
}

CaptionLabel* TCheckForm::AddLabel(const char* name, int top, int width, const char* caption) {
    auto* label = new CaptionLabel(QString::fromLatin1(caption), this);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(ControlLeft, top, width, 14);
    return label;
}

QComboBox* TCheckForm::AddChoice(const char* name, int top, const QStringList& entries) {
    auto* box = new QComboBox(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(ControlLeft, top, 105, 21);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert); // the entry counts stay fixed
    box->setCompleter(nullptr);                // the typed text is taken as typed
    box->addItems(entries);
    connect(box, &QComboBox::editTextChanged, this, [this] { LaBSettingClick(); });
    return box;
}

void TCheckForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    RunGuarded(desktop_, this, [this] { FormShow(); });
}

void TCheckForm::FormShow() {
    labelTexts_ = &mainForm_.LabelTexts;
    ApplyTexts();
    LaBSettingClick();
}

// Font face and text of every control, in order; a choice box gets its text first and
// then its entries, replaced in place.
void TCheckForm::ApplyTexts() {
    const TextList& lines = *labelTexts_;
    const auto face = [&](QWidget* control) {
        SetFontFace(control, lines.Line(LabelLine::FontFace));
    };
    const auto text = [&](long line) { return Wide(lines.Line(line)); };
    const auto choice = [&](QComboBox* box, long shown, std::initializer_list<long> entries) {
        const QSignalBlocker quiet(box);
        face(box);
        box->setEditText(text(shown));
        int position = 0;
        for (long entry : entries) {
            box->setItemText(position++, text(entry));
        }
        box->setEditText(text(shown));
    };
    using namespace LabelLine;
    face(this);
    setWindowTitle(text(CheckCaption));
    face(TimeLabel);
    SetLabelCaption(TimeLabel, lines.Line(CheckTimeLabel));
    choice(TimeSetting, Daytime, {Daytime, Nighttime});
    face(DoorLabel);
    SetLabelCaption(DoorLabel, lines.Line(CheckDoorLabel));
    choice(DoorSetting, Closed, {Closed, HalfOpen, Open});
    face(TBoxLabel);
    SetLabelCaption(TBoxLabel, lines.Line(CheckTBoxLabel));
    choice(TBoxSetting, Closed, {Closed, Open});
    face(BedLabel);
    SetLabelCaption(BedLabel, lines.Line(CheckBedLabel));
    choice(BedSetting, BedDefault, {BedDefault, Sleeping});
    face(SaveBtn);
    SaveBtn->setText(text(CheckSaveBtn));
    face(LaBSetting);
    LaBSetting->setText(text(CheckLaBSetting));
}

RoomSlots& TCheckForm::Slots() {
    if (!slots_) {
        slots_.emplace(mainForm_.Room());
    }
    return *slots_;
}

void TCheckForm::TimeSettingChange() {
    DrawTimeLayers(preview_, Slots(), TextIsEntry(TimeSetting, 1));
}

void TCheckForm::TBoxSettingChange() {
    DrawTreasureBox(preview_, Slots(), TextIsEntry(TBoxSetting, 1));
}

void TCheckForm::BedSettingChange() {
    DrawBed(preview_, Slots(), TextIsEntry(BedSetting, 1));
}

void TCheckForm::DoorSettingChange() {
    TimeSettingChange();
    TBoxSettingChange();
    BedSettingChange();
    const DoorState door = TextIsEntry(DoorSetting, 2)   ? DoorState::Open
                           : TextIsEntry(DoorSetting, 1) ? DoorState::HalfOpen
                                                         : DoorState::Closed;
    DrawDoor(preview_, Slots(), door);
}

void TCheckForm::LaBSettingClick() {
    DoorSettingChange();
    if (LaBSetting->isChecked()) {
        DrawLettersAndBubble(preview_, Slots());
    }
    ShowPreview();
}

void TCheckForm::ShowPreview() {
    CheckImage->setPixmap(QPixmap::fromImage(ToQImage(preview_)));
}

void TCheckForm::SaveBtnClick() {
    if (!SaveDlg.Execute()) {
        return;
    }
    const Bytes jpeg = EncodeJpeg(preview_, PreviewJpegQuality);
    WriteFileAtomically(Narrow(SaveDlg.FileName()), jpeg);
}

} // namespace tessaly
