// The map editor: start-up, the event loop and shutdown.

#include "app/CommandLineFiles.h"
#include "app/EditorSession.h"
#include "app/QtShell.h"
#include "app/SessionSettings.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName("mapeditor");
    QApplication::setApplicationName("mapeditor");
    QApplication::setApplicationVersion(MAPEDITOR_VERSION);

    // --help and --version answer on the terminal and end the program before any window opens.
    QCommandLineParser parser;
    parser.setApplicationDescription("Map Editor: paints the terrain tiles, heights and "
                                     "railroads of a 640 x 320 cell map.");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument("files", "Map files to open: .tm, .hm, .raw, .rrd, .seg.",
                                 "[files...]");
    parser.process(app);

    QtShell shell;
    EditorSession session(shell);
    const int startStatus = session.StartUp();
    if (startStatus != 0)
        return startStatus;
    session.PostStartCommands();
    RestoreSessionSettings(session);
    session.PostOpenFiles(CommandLineFileArguments(argc, argv));
    const int status = QApplication::exec();
    SaveSessionSettings(session);
    session.ShutDown();
    return status;
}
