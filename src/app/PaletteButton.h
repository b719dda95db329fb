#pragma once
// One of the tool palette's 64 picture buttons. It draws nothing by itself: its owner's
// painter decides which picture it shows and whether it carries the hatched frame.

#include <QAbstractButton>

#include <functional>

class PaletteButton : public QAbstractButton {
    Q_OBJECT
  public:
    using Painter = std::function<void(QPainter& painter, const PaletteButton& button)>;

    PaletteButton(QWidget* parent, int index, Painter paint);

    int Index() const { return index_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Painter paint_;
    int index_;
};
