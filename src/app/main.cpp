// The map editor: start-up, the event loop and shutdown.

#include "app/CommandLineFiles.h"
#include "app/EditorSession.h"
#include "app/QtShell.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Where QSettings keeps the recent maps.
    QCoreApplication::setOrganizationName("Map Editor");
    QCoreApplication::setApplicationName("Map Editor");
    QtShell shell;
    EditorSession session(shell);
    const int startStatus = session.StartUp();
    if (startStatus != 0)
        return startStatus;
    session.PostStartCommands();
    session.PostOpenFiles(CommandLineFileArguments(argc, argv));
    const int status = QApplication::exec();
    session.ShutDown();
    return status;
}
