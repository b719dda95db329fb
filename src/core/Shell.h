#pragma once
// The port through which the core reaches the user-facing platform: message boxes,
// the file dialog, window visibility, the 3D frame, the wait cursor
// and the progress dialog. The app implements it with Qt; tests use a recording fake.

#include <optional>
#include <string>

// The windows that the core names when it shows or hides them or owns a message box.
enum class WindowId {
    None,        // no window: an unowned message box
    Main,        // the texture view with the main menu
    HeightView,  // "Height Map View"
    TerrainView, // "3D Terrain View"
    ToolPalette,
};

enum class MessageIcon { None, Exclamation, Information };

enum class FileDialogMode { Open, Save };

// What the file dialog returns: the folder (with its trailing separator) and the file
// name, so that folder + name is the full path.
struct FileChoice {
    std::string folder;
    std::string name;
    std::string Path() const { return folder + name; }
};

// A rectangle in client pixels; right and bottom are exclusive.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const PixelRect&) const = default;
};

class Shell {
  public:
    virtual ~Shell() = default;

    // A modal message box with one OK button. `owner` None means no owner.
    virtual void ShowMessage(WindowId owner, const std::string& text, const std::string& caption,
                             MessageIcon icon) = 0;

    // A message box whose text ends in a long list (words separated by blanks): the list is
    // shown in a scrolled area under the text, so that the box fits the screen. Shells without
    // such an area show the two as one text.
    virtual void ShowMessageWithList(WindowId owner, const std::string& text,
                                     const std::string& list, const std::string& caption,
                                     MessageIcon icon) {
        ShowMessage(owner, text + list, caption, icon);
    }

    // Asks whether to go on (quit, or load another file) although `text` names changes that
    // are not saved. True only when the user chooses to discard them; closing the box keeps
    // them.
    virtual bool ConfirmDiscardChanges(WindowId owner, const std::string& text) = 0;

    // The one open/save dialog. `description` and `pattern` are the filter, for example
    // "Texture Map Files (*.tm)" and "*.tm". It opens in the folder of `proposedPath` with its
    // name proposed (when it is not empty). Empty result on cancel or failure.
    virtual std::optional<FileChoice> AskFileName(FileDialogMode mode,
                                                  const std::string& description,
                                                  const std::string& pattern,
                                                  const std::string& proposedPath) = 0;
    // Asks whether a save may replace the existing file at `path`. True only when the user
    // agrees; closing the box keeps the file.
    virtual bool ConfirmReplaceFile(const std::string& path) = 0;

    // Shows or hides the height view or the 3D view (never destroys them).
    virtual void SetWindowVisible(WindowId window, bool visible) = 0;

    // The check marks or the scroll positions in the editor state changed; the app
    // mirrors them into its menu and scroll bars.
    virtual void MenuChecksChanged() = 0;
    virtual void ScrollPositionsChanged() = 0;

    // Ends the program (destroys the main window); nothing is saved or asked here.
    virtual void DestroyMainWindow() = 0;
    // Gives the keyboard focus to the main window.
    virtual void FocusMainWindow() = 0;
    // Hands the pointer to the 3D view at the left screen edge: hide it, move it to the
    // right edge at screen row `screenY` and let the 3D view capture it.
    virtual void HandPointerTo3D(int screenY) = 0;

    virtual void SetWaitCursor(bool on) = 0;

    // The progress dialog: caption "Map Editor", the given text, `steps` steps.
    virtual void BeginProgress(const std::string& text, int steps) = 0;
    virtual void StepProgress() = 0;
    virtual void EndProgress() = 0;
};
