#include "ui/shell/tmainform.h"

#include "core/art/builtinpictures.h"
#include "core/base/paths.h"
#include "core/base/platformerror.h"
#include "core/i18n/languagelines.h"
#include "core/package/roompackage.h"
#include "ui/i18n/captions.h"
#include "ui/shell/desktop.h"
#include "ui/shell/errorguard.h"
#include "ui/shell/mainformdesign.h"
#include "ui/shell/narrowtext.h"
#include "ui/shell/programicon.h"
#include "ui/shell/roomtextfield.h"
#include "ui/shell/settingsstore.h"
#include "ui/shell/slotimage.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

namespace tessaly {
namespace {

const QString DefaultLanguageCode = QStringLiteral("en");

const AddedLine& ScratchProblemLine(PrivateFolderProblem problem) {
    switch (problem) {
    case PrivateFolderProblem::NotAFolder:
        return MessageLine::ScratchNotAFolder;
    case PrivateFolderProblem::OtherOwner:
        return MessageLine::ScratchOtherOwner;
    case PrivateFolderProblem::OpenToOthers:
        return MessageLine::ScratchOpenToOthers;
    case PrivateFolderProblem::CannotCreate:
        break;
    }
    return MessageLine::ScratchCannotCreate;
}
constexpr int LabelExtraHeight = 4;

} // namespace

TMainForm::TMainForm(Desktop& desktop, SettingsStore& settings, const QString& programFile)
    : OpenPictureDialog(desktop, this, FileDialog::Kind::Open, QStringLiteral("*.bmp|*.bmp"),
                        QStringLiteral("bmp"), true),
      SavePictureDialog(desktop, this, FileDialog::Kind::Save, QStringLiteral("*.bmp|*.bmp"),
                        QStringLiteral("bmp"), true),
      OpenDialog(desktop, this, FileDialog::Kind::Open, QStringLiteral("*.pac|*.pac"),
                 QStringLiteral("pac")),
      SaveDialog(desktop, this, FileDialog::Kind::Save, QStringLiteral("*.pac|*.pac"),
                 QStringLiteral("pac")),
      desktop_(desktop), settings_(settings) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Tessaly"));
    setFont(DesignFont());
    setGeometry(MainFormLeft, MainFormTop, MainFormWidth, MainFormHeight);
    auto* client = new QWidget(this);
    setCentralWidget(client);
    CreateMenus();
    CreateContextMenu();
    CreateSlotImages(client);
    CreateLabels(client);
    CreateTextFields(client);

    ProgramDir = ProgramDirOf(Narrow(programFile));
    PlacementRects = BuiltInPlacementRects();
    SetProgramIcon();
    ReadLanguageSetting();
    LoadStartLanguage();
    // From here on the platform's error texts follow the window's message lines.
    SetErrorMessageTexts(&MessageTexts);
}

TMainForm::~TMainForm() {
    SetErrorMessageTexts(nullptr);
}

void TMainForm::Attach(QAction* action, void (TMainForm::*handler)()) {
    connect(action, &QAction::triggered, this, [this, handler] {
        RunGuarded(desktop_, this, [this, handler] { (this->*handler)(); });
    });
}

void TMainForm::CreateMenus() {
    FileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    OpenRoomFile = FileMenu->addAction(QStringLiteral("&Open"));
    OpenRoomFile->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    Attach(OpenRoomFile, &TMainForm::OpenRoomFileClick);
    SaveRoomFile = FileMenu->addAction(QStringLiteral("Save &As..."));
    SaveRoomFile->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    Attach(SaveRoomFile, &TMainForm::SaveRoomFileClick);
    N1 = FileMenu->addSeparator();
    ShowCheck = FileMenu->addAction(QStringLiteral("&Check"));
    Attach(ShowCheck, &TMainForm::ShowCheckClick);
    N2 = FileMenu->addSeparator();
    Exit = FileMenu->addAction(QStringLiteral("E&xit"));
    Exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    Attach(Exit, &TMainForm::ExitClick);

    Config = menuBar()->addMenu(QStringLiteral("&Config"));
    EditorSet = Config->addAction(QStringLiteral("&Image editor"));
    Attach(EditorSet, &TMainForm::EditorSetClick);
    LanguageSet = Config->addAction(QStringLiteral("&Language"));
    Attach(LanguageSet, &TMainForm::LanguageSetClick);

    Help = menuBar()->addMenu(QStringLiteral("&Help"));
    Contents = Help->addAction(QStringLiteral("&Contents"));
    About = Help->addAction(QStringLiteral("&About..."));
    Attach(Contents, &TMainForm::ContentsClick);
    Attach(About, &TMainForm::AboutClick);
}

void TMainForm::CreateContextMenu() {
    PopupMenu = new QMenu(this);
    Edit = PopupMenu->addAction(QStringLiteral("Edit"));
    OpenPFile = PopupMenu->addAction(QStringLiteral("Load from bitmapfile"));
    SavePFile = PopupMenu->addAction(QStringLiteral("Save to bitmapfile"));
    CopyImage = PopupMenu->addAction(QStringLiteral("Copy from roomview"));
    CreateMask = PopupMenu->addAction(QStringLiteral("Make maskimage"));
    CopyData = PopupMenu->addAction(QStringLiteral("Copy from image"));
    Attach(Edit, &TMainForm::EditClick);
    Attach(OpenPFile, &TMainForm::OpenPFileClick);
    Attach(SavePFile, &TMainForm::SavePFileClick);
    Attach(CopyImage, &TMainForm::CopyImageClick);
    Attach(CreateMask, &TMainForm::CreateMaskClick);
    Attach(CopyData, &TMainForm::CopyDataClick);
    connect(PopupMenu, &QMenu::aboutToShow, this, &TMainForm::PopupMenuPopup);
}

std::array<QAction*, MenuLine::BaseCount> TMainForm::MenuItems() const {
    return {FileMenu->menuAction(),
            OpenRoomFile,
            SaveRoomFile,
            ShowCheck,
            Exit,
            Config->menuAction(),
            EditorSet,
            LanguageSet,
            Help->menuAction(),
            Contents,
            About,
            Edit,
            OpenPFile,
            SavePFile,
            CopyImage,
            CreateMask,
            CopyData};
}

void TMainForm::CreateSlotImages(QWidget* client) {
    for (PartSlot slot = 0; slot < SlotCount; ++slot) {
        auto* image = new SlotImage(slot, BuiltInPicture(slot), PopupMenu, client);
        image->setObjectName(QString::fromLatin1(SlotCatalogue(slot).component));
        image->setGeometry(SlotBox(slot));
        connect(image, &SlotImage::MouseDown, this, &TMainForm::WinDayImageMouseDown);
        connect(image, &SlotImage::FileDropped, this, [this](const QString& path) {
            RunGuarded(desktop_, this, [this, path] { LoadPictureFile(Narrow(path)); });
        });
        SlotImages[slot] = image;
    }
}

void TMainForm::CreateLabels(QWidget* client) {
    for (int i = 0; i < MainLabelCount; ++i) {
        const LabelDesign& design = MainLabelDesigns()[i];
        auto* label = new CaptionLabel(QString::fromLatin1(design.designCaption), client);
        label->setObjectName(QString::fromLatin1(design.name));
        // A few pixels more than designed, so that descenders of today's fonts show.
        label->setGeometry(design.box.adjusted(0, 0, 0, LabelExtraHeight));
        label->setAlignment((design.rightAligned ? Qt::AlignRight : Qt::AlignHCenter) |
                            Qt::AlignTop);
        MainLabels[i] = label;
    }
}

void TMainForm::CreateTextFields(QWidget* client) {
    std::array<RoomTextField*, 3> fields{};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const TextFieldDesign& design = TextFieldDesigns()[i];
        fields[i] = new RoomTextField(client);
        fields[i]->setObjectName(QString::fromLatin1(design.name));
        fields[i]->setGeometry(design.box);
    }
    RoomName = fields[0];
    Comment = fields[1];
    Copyright = fields[2];
    setTabOrder(RoomName, Comment);
    setTabOrder(Comment, Copyright);
}

void TMainForm::ReadLanguageSetting() {
    const std::optional<QString> stored = settings_.ReadString(LanguageSettingName);
    if (stored) {
        LanguageCode = Narrow(*stored);
        return;
    }
    LanguageCode = Narrow(DefaultLanguageCode);
    settings_.WriteString(LanguageSettingName, DefaultLanguageCode);
}

// The icon beside the program, in its sizes, for every window of the program; its files
// are read when a window system first asks for it.
void TMainForm::SetProgramIcon() {
    const QList<int> sizes{16, 32, 48, 64, 256};
    QStringList files;
    for (int size : sizes) {
        files.append(Wide(JoinPath(ProgramDir, "icons/tessaly-" + std::to_string(size) + ".png")));
    }
    QApplication::setWindowIcon(LazyFileIcon(files, sizes));
}

// A stored language whose set cannot be loaded must not lock the user out: the error is
// shown and the English set loaded instead, leaving the setting as it is.
void TMainForm::LoadStartLanguage() {
    try {
        LoadLanguageTexts();
    } catch (const PlatformError& error) {
        if (LanguageCode == Narrow(DefaultLanguageCode)) {
            throw;
        }
        desktop_.ShowError(nullptr, ApplicationTitle(), ErrorBoxText(ErrorText(error)));
        LanguageCode = Narrow(DefaultLanguageCode);
        LoadLanguageTexts();
    }
}

const SlotPicture& TMainForm::SlotPictureOf(PartSlot slot) const {
    return SlotImages[slot]->Picture();
}

void TMainForm::SetSlotPicture(PartSlot slot, SlotPicture picture) {
    std::int64_t pixels = std::int64_t{picture.width} * picture.height;
    for (PartSlot other = 0; other < SlotCount; ++other) {
        const SlotPicture& held = SlotPictureOf(other);
        pixels += other == slot ? 0 : std::int64_t{held.width} * held.height;
    }
    if (pixels > MaxPackagePixels) {
        throw PlatformError("The picture is too large for the room: " +
                            PackagePixelsProblem(pixels));
    }
    SlotImages[slot]->SetPicture(std::move(picture));
}

RoomSlots TMainForm::Room() const {
    return {[this](PartSlot slot) -> const SlotPicture& { return SlotPictureOf(slot); },
            PlacementRects};
}

std::string TMainForm::ScratchFolderPath(std::string (*path)()) {
    std::string scratch = path();
    if (const std::optional<ScratchFolderNote> note = TakeScratchFolderNote()) {
        ShowAddedMessage(ScratchProblemLine(note->problem), note->privateFolder);
    }
    return scratch;
}

void TMainForm::WinDayImageMouseDown(SlotImage* sender) {
    CurrentSlot = sender->Tag();
}

void TMainForm::PopupMenuPopup() {
    const PartSlot s = CurrentSlot;
    // Copy: every part picture but the room. Make mask: the room and the objects (the
    // slots from the room to the last letter), not the views. Copy from image: the masks.
    CopyImage->setEnabled(!IsMaskSlot(s) && s != Slot::Room);
    CreateMask->setEnabled(s >= Slot::Room && s <= Slot::Letter3);
    CopyData->setEnabled(IsMaskSlot(s));
}

void TMainForm::ExitClick() {
    close();
}

} // namespace tessaly
