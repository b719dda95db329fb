#pragma once
// The main window's status bar: on the left the active tool's one-line hint, on the right the
// map cell under the pointer, its latitude and longitude, tile and height, the zoom and the
// tool. Refresh reads them from the editor state.

#include <QStatusBar>

#include <array>

class QLabel;
struct Editor;

class EditorStatusBar : public QStatusBar {
    Q_OBJECT
  public:
    enum class Field { Cell, Position, Tile, Height, Zoom, Tool };

    explicit EditorStatusBar(QWidget* parent = nullptr);

    void Refresh(const Editor& editor);
    // The tool's hint: how to use it, in one line.
    void SetToolHint(const QString& hint);

    QString Text(Field field) const;
    QString ToolHint() const;

  private:
    QLabel* hint_ = nullptr;
    std::array<QLabel*, 6> fields_{};
};
