#pragma once
// Helpers for the painting tests: a Qt GUI application for fonts, editors with a simple
// map, and tile pictures of one colour each so that any pixel names its cell's tile.

#include "core/edit/Editor.h"
#include "core/render/TextureViewPainter.h"
#include "support/RecordingShell.h"

#include <QGuiApplication>
#include <QImage>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

// Text drawing needs a GUI application; the core tests run without a window system. It is
// destroyed at exit, so that its fonts are released before the leak check.
inline void EnsureGuiApplication() {
    if (QGuiApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "core_tests";
    static char* argv[] = {name, nullptr};
    static const std::unique_ptr<QGuiApplication> application =
        std::make_unique<QGuiApplication>(argc, argv);
}

// Picture colours (grey: not painted) and the colours of the overlays.
inline const QRgb Magenta = qRgb(255, 0, 255), White = qRgb(255, 255, 255), Black = qRgb(0, 0, 0),
                  Grey = qRgb(128, 128, 128), Red = qRgb(255, 50, 50), Blue = qRgb(50, 50, 255),
                  Yellow = qRgb(255, 255, 50);

// The colour of the test picture of a code turned by a rotation.
inline QRgb TestTileColour(int rotation, int code) {
    return qRgb(code * 4, 40 + rotation * 50, 90);
}

// The picture of the default cell of a test editor.
inline const QRgb Tile = TestTileColour(0, 7);

inline QImage TestTilePicture(int rotation, int code) {
    QImage picture(64, 64, QImage::Format_RGB32);
    picture.fill(TestTileColour(rotation, code));
    return picture;
}

// World coordinates of the top-left corner of a map cell.
inline int32_t WorldX(int column) {
    return (column - WorldOriginColumn) * WorldUnitsPerCell;
}
inline int32_t WorldY(int row) {
    return (row - WorldOriginRow) * WorldUnitsPerCell;
}

// An editor at the given zoom whose map holds `cell` everywhere.
inline Editor MakeTestEditor(int tileSize, int cellsPerAxis, TileCell cell = 7) {
    Editor editor;
    editor.document.ReplaceTiles(std::vector<TileCell>(MapCellCount, cell));
    editor.view.TilePixels = tileSize;
    editor.view.ViewCells = cellsPerAxis;
    editor.flags.ShowRailroads = false;
    editor.flags.ShowTargetAreas = false;
    return editor;
}

// Paints the texture view into a grey 1024 x 1024 image.
inline QImage RenderTextureView(const Editor& editor, Shell& shell,
                                ScaledTileCache::Source tiles = TestTilePicture) {
    EnsureGuiApplication();
    QImage image(1024, 1024, QImage::Format_RGB32);
    image.fill(Grey);
    TextureViewPainter painter(std::move(tiles));
    QPainter qpainter(&image);
    painter.PaintTextureView(qpainter, image.size(), editor, shell);
    return image;
}

struct PixelCheck {
    int x;
    int y;
    QRgb colour;
};

inline PixelCheck At(int x, int y, QRgb colour) {
    return {x, y, colour};
}

// Expects each listed pixel of the image to have its colour.
inline void ExpectPixels(const QImage& image, std::initializer_list<PixelCheck> checks) {
    for (const PixelCheck& check : checks)
        EXPECT_EQ(image.pixel(check.x, check.y), check.colour) << check.x << "," << check.y;
}

// Pixels of a row darker than mid grey: text crossing the row.
inline int DarkPixelsOnRow(const QImage& image, int y) {
    int dark = 0;
    for (int x = 0; x < image.width(); ++x)
        dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    return dark;
}
