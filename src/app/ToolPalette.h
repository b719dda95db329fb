#pragma once
// The tool palette: a small captioned child window at the top right of the main window with
// 64 picture buttons in 4 columns and 16 rows. Button 0 chooses tile painting, button 1
// height editing, buttons 2 to 63 the tile that painting puts down (SelectedTile). The
// palette records the choice while a button is held and hands its commands and keys on to
// the main window, which does the work. Below them sit the area tools' buttons, which send
// their commands the same way.

#include "core/edit/CommandId.h"
#include "core/model/MapDocument.h"
#include "core/tilemap/TileBitmaps.h"

#include <QFrame>
#include <QImage>
#include <QPointer>

#include <array>
#include <functional>
#include <utility>
#include <vector>

class PaletteButton;
class QPainter;
class QToolButton;
struct Editor;

constexpr int PaletteButtonSize = 48;
constexpr int PaletteButtonPitch = 52;
constexpr int PaletteMargin = 4;
constexpr int PaletteClientWidth = 212;
constexpr int PaletteToolRows = 2; // the area tools' buttons below the tiles
constexpr int PaletteClientHeight = 836 + PaletteToolRows * PaletteButtonPitch;
constexpr int FirstTileButton = 2; // button 2 + t chooses TileCode t

class ToolPalette : public QFrame, private ScopedDocumentListener {
    Q_OBJECT
  public:
    // `sendCommand` hands a mode button's command to the main window (later, as a posted
    // message would); keys go to `keyTarget`.
    // A palette picture that failed to load draws nothing.
    ToolPalette(Editor& editor, QWidget* parent, const PaletteImages& images,
                std::function<void(CommandId)> sendCommand, QWidget* keyTarget);

    PaletteButton* Button(int index) const { return buttons_[index]; }
    // The button of an area tool's command (nullptr for other commands).
    QToolButton* ToolButton(CommandId command) const;
    // Where the buttons sit: below the caption strip and inside the frame.
    QRect ClientRect() const;
    // Keeps the palette at the top right of its parent, through every resize, until the user
    // drags it elsewhere; a dragged palette stays where its caption can be reached.
    void FollowParentCorner();

    // Drawing of one button: pressed or released picture and the hatched frame.
    void PaintButton(QPainter& painter, const PaletteButton& button) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // In a window shorter than the palette the wheel slides it up and down, so that no button
    // stays out of reach; the caption comes back into view the same way.
    void wheelEvent(QWheelEvent* event) override;

  private:
    // The mode, the selected tile and the current tool show here.
    void ViewChanged(ViewAspect aspect) override {
        if (aspect == ViewAspect::Display)
            update();
    }
    void ButtonPressed(int index);
    bool IsCurrent(int index) const;
    void ForwardKey(QKeyEvent* event);
    void AddToolButtons(QPoint origin);
    // Moves the palette to `position` in its parent, or as near as keeps its caption inside.
    void MoveWithinParent(QPoint position);

    Editor& editor_;
    std::array<PaletteButton*, PaletteButtonCount> buttons_{};
    std::vector<std::pair<CommandId, QToolButton*>> toolButtons_;
    std::array<QImage, PaletteImageCount> scaled_; // pictures at button size
    std::function<void(CommandId)> sendCommand_;
    QPointer<QWidget> keyTarget_;
    QPoint dragOffset_;
    bool movedByUser_ = false;
};
