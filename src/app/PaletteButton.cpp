#include "app/PaletteButton.h"

#include "app/ToolPalette.h"

#include <QPainter>

PaletteButton::PaletteButton(ToolPalette* palette, int index)
    : QAbstractButton(palette), palette_(palette), index_(index) {
    // Keys typed while the palette is active go to the palette, which hands them on to the
    // main window; the buttons themselves never take the focus.
    setFocusPolicy(Qt::NoFocus);
}

void PaletteButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    palette_->PaintButton(painter, *this);
}
