#pragma once
// A started editor session for the widget tests: the real windows, created in the start-up
// order, with the first three queued commands already run.

#include "AppTestShell.h"
#include "app/EditorSession.h"
#include "app/MainMenu.h"
#include "app/MainWindow.h"
#include "app/TextureViewWidget.h"
#include "core/commands/Commands.h"
#include "core/edit/Editor.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

class SessionFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        session = std::make_unique<EditorSession>(shell);
        ASSERT_EQ(session->StartUp(), 0);
        session->PostStartCommands();
        Settle();
    }
    void TearDown() override { session.reset(); }

    // Runs the queued commands and repaints.
    static void Settle() {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

    // Moves the pointer over the texture view with no button held, as Qt would report it.
    void MoveOverView(QPoint client) {
        QWidget& view = main().View();
        QMouseEvent move(QEvent::MouseMove, client, view.mapToGlobal(client), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&view, &move);
    }

    Editor& editor() { return session->State(); }
    MainWindow& main() { return *session->Main(); }
    QAction* Item(CommandId command) { return main().Menu().Action(command); }

    AppTestShell shell;
    std::unique_ptr<EditorSession> session;
};
