#pragma once
// What the editor remembers between runs, with QSettings: the places and sizes of the main
// window, the height view and the 3D view, the zoom and the display flags of the menus.
// main() restores them after start-up and saves them at the end; the widget tests point
// QSettings at a folder of their own.

class EditorSession;

// Puts the windows where they were and queues the zoom and the display flags behind the
// start-up commands, so that they are carried out by the dispatcher like menu choices.
void RestoreSessionSettings(EditorSession& session);
void SaveSessionSettings(EditorSession& session);
