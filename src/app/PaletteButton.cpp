#include "app/PaletteButton.h"

#include <QPainter>

#include <utility>

PaletteButton::PaletteButton(QWidget* parent, int index, Painter paint)
    : QAbstractButton(parent), paint_(std::move(paint)), index_(index) {
    // Keys typed while the palette is active go to the palette, which hands them on to the
    // main window; the buttons themselves never take the focus.
    setFocusPolicy(Qt::NoFocus);
}

void PaletteButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint_(painter, *this);
}
