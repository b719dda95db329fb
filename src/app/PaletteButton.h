#pragma once
// One of the tool palette's 64 picture buttons. It draws nothing by itself: the palette
// decides which picture it shows and whether it carries the hatched frame.

#include <QAbstractButton>

class ToolPalette;

class PaletteButton : public QAbstractButton {
    Q_OBJECT
  public:
    PaletteButton(ToolPalette* palette, int index);

    int Index() const { return index_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    ToolPalette* palette_;
    int index_;
};
