#include "support/scratchfolder.h"
#include "ui/shell/filedialog.h"
#include "ui/shell/qtdesktop.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace tessaly {
namespace {

// Runs the check on the modal widget that the next blocking call opens.
template <typename Widget> void WhenModal(std::function<void(Widget*)> check) {
    QTimer::singleShot(0, [check] {
        auto* widget = qobject_cast<Widget*>(QApplication::activeModalWidget());
        ASSERT_NE(widget, nullptr);
        check(widget);
    });
}

void Answer(QMessageBox* box, QMessageBox::StandardButton button) {
    box->button(button)->click();
}

TEST(QtDesktop, ErrorBoxIsACriticalBoxWithOneOk) {
    QtDesktop desktop;
    WhenModal<QMessageBox>([](QMessageBox* box) {
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Tessaly"));
        EXPECT_EQ(box->text(), QStringLiteral("<b>not rich</b>."));
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        Answer(box, QMessageBox::Ok);
    });
    desktop.ShowError(nullptr, QStringLiteral("Tessaly"), QStringLiteral("<b>not rich</b>."));
}

TEST(QtDesktop, WarningAndQuestionBoxes) {
    QtDesktop desktop;
    WhenModal<QMessageBox>([](QMessageBox* box) {
        EXPECT_EQ(box->icon(), QMessageBox::Warning);
        Answer(box, QMessageBox::Ok);
    });
    desktop.ShowWarning(nullptr, QStringLiteral("c"), QStringLiteral("t"));
    for (auto [button, answer] : {std::pair{QMessageBox::Yes, true}, {QMessageBox::No, false}}) {
        WhenModal<QMessageBox>([button = button](QMessageBox* box) {
            EXPECT_EQ(box->icon(), QMessageBox::Question);
            EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
            Answer(box, button);
        });
        EXPECT_EQ(desktop.AskYesNo(nullptr, QStringLiteral("c"), QStringLiteral("q")), answer);
    }
}

TEST(QtDesktop, SaveDialogAddsTheDefaultExtensionAndRemembersTheName) {
    QtDesktop desktop;
    test::ScratchFolder folder;
    FileDialog dialog(desktop, nullptr, FileDialog::Kind::Save, QStringLiteral("*.bmp|*.bmp"),
                      QStringLiteral("bmp"));
    EXPECT_EQ(dialog.NameFilters(), QStringList{QStringLiteral("*.bmp")});
    FileDialog described(desktop, nullptr, FileDialog::Kind::Open,
                         QStringLiteral("Pictures|*.bmp|All|*"), QString());
    EXPECT_EQ(described.NameFilters(), QStringList({"Pictures (*.bmp)", "All (*)"}));
    const QString typed = QString::fromStdString(folder.File("picture"));
    WhenModal<QFileDialog>([typed](QFileDialog* fileDialog) {
        EXPECT_EQ(fileDialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_TRUE(fileDialog->testOption(QFileDialog::DontConfirmOverwrite));
        fileDialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(typed);
        static_cast<QDialog*>(fileDialog)->accept();
    });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), typed + QStringLiteral(".bmp"));

    WhenModal<QFileDialog>([&](QFileDialog* fileDialog) {
        EXPECT_EQ(fileDialog->directory().absolutePath(), QString::fromStdString(folder.Path()));
        fileDialog->reject();
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), typed + QStringLiteral(".bmp"));
}

} // namespace
} // namespace tessaly
