// The Qt side of the shell: the file dialog's filter and path split, visibility, the progress
// dialog and the question about unsaved changes.

#include "AppTestShell.h"
#include "app/FileDialogFilter.h"
#include "core/io/NativePath.h"
#include "support/TempDir.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPaintEvent>
#include <QProgressDialog>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

TEST(QtShellTest, FileDialogFilterAndChosenPath) {
    EXPECT_EQ(FileDialogFilter("Texture Map Files (*.tm)", "*.tm"), "Texture Map Files (*.tm)");
    EXPECT_EQ(FileDialogFilter("Height Map Files (*.hm, *.raw)", "*.hm; *.raw"),
              "Height Map Files (*.hm *.raw)");
    EXPECT_EQ(FileDialogFilter("Rail Segments", "*.seg"), "Rail Segments (*.seg)");
    EXPECT_EQ(SplitChosenPath("north.tm").folder, "");

    // The dialog shows a Latin-1 name in a Latin-1 folder with U+FFFD; the choice is the file.
    TempDir dir;
    const std::string folder = dir.File("dir\xe9") + "/";
    std::filesystem::create_directory(folder);
    WriteBytes(folder + "caf\xe9.tm", {1});
    const FileChoice latin1 = SplitChosenPath(PathToText(folder + "caf\xe9.tm"));
    EXPECT_EQ(latin1.folder, folder);
    EXPECT_EQ(latin1.name, "caf\xe9.tm");
    EXPECT_EQ(SplitChosenPath(PathToText(folder + "new.tm")).Path(), folder + "new.tm");
}

TEST(QtShellTest, WaitCursorAndAWindowNeverRegistered) {
    QtShell shell;
    shell.SetWindowVisible(WindowId::TerrainView, true); // no such window: nothing happens
    shell.SetWaitCursor(true);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    shell.SetWaitCursor(false);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(QtShellTest, ProgressDialogCountsItsStepsUnderTheProgramsCaption) {
    QtShell shell;
    shell.BeginProgress("Loading 3D Textures", 59);
    QProgressDialog* dialog = shell.Progress();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Map Editor");
    EXPECT_EQ(dialog->labelText(), "Loading 3D Textures");
    EXPECT_TRUE(dialog->isVisible() && !dialog->isModal());
    // On the screen with its text and bar at once, not a black box until the work is done.
    EXPECT_TRUE(dialog->windowHandle()->isExposed());
    shell.StepProgress();
    const QImage shown = dialog->screen()->grabWindow(dialog->winId()).toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < shown.height(); y += 2)
        for (int x = 0; x < shown.width(); x += 2)
            colours.insert(shown.pixel(x, y));
    EXPECT_GT(colours.size(), 4);
    for (int i = 0; i < 60; ++i) // one step past the end: the bar stays full
        shell.StepProgress();
    EXPECT_EQ(dialog->value(), 59);
    EXPECT_EQ(dialog->maximum(), 59);
    shell.EndProgress();
    EXPECT_EQ(shell.Progress(), nullptr);
}

TEST(QtShellTest, UnsavedChangesQuestionKeepsThemUnlessDiscardIsChosen) {
    QtShell shell;
    int pointerReleases = 0; // the pointer is freed before each box, so that it can be clicked
    shell.releasePointer = [&pointerReleases] { ++pointerReleases; };
    // Answers the box once it is up: Escape, Enter, or a click on "Discard Changes".
    const auto answerWith = [&shell](const std::function<void(QMessageBox*)>& answer) {
        QTimer::singleShot(0, [answer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle(), "Notice");
            EXPECT_EQ(box->text(), "The height map has changes.");
            answer(box);
        });
        return shell.ConfirmDiscardChanges(WindowId::None, "The height map has changes.");
    };
    EXPECT_FALSE(answerWith([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); }));
    EXPECT_FALSE(answerWith([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Return); }));
    EXPECT_TRUE(answerWith([](QMessageBox* box) {
        for (QAbstractButton* button : box->buttons())
            if (button->text() == "&Discard Changes")
                button->click();
    }));
    EXPECT_EQ(pointerReleases, 3);
}
