#pragma once
// A 3D view on a real OpenGL context (Mesa under Xvfb) with a recording shell, plus the
// helpers the 3D tests share: small flat or hilly blocks and pixel classification.

#include "app/terrain3d/TerrainViewWindow.h"
#include "core/edit/Editor.h"
#include "support/RecordingShell.h"

#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

class TerrainViewFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        window = std::make_unique<TerrainViewWindow>(editor, shell);
        ASSERT_EQ(window->InitTerrainView(), 0);
    }

    void ShowView() {
        editor.flags.Show3DView = true;
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    // Loads whole-map layers of one height and one cell value and builds a block of
    // `size` x `size` cells whose top-left cell is (left, top).
    void BuildFlatBlock(int size, uint16_t height, TileCell cell, int left = 100, int top = 100) {
        editor.document.ReplaceHeights(std::vector<uint16_t>(MapCellCount, height));
        editor.document.ReplaceTiles(std::vector<TileCell>(MapCellCount, cell));
        BuildBlock(size, left, top);
    }

    void BuildBlock(int size, int left, int top) {
        editor.view.ViewCells = size;
        editor.view.ViewOriginColumn = left;
        editor.view.ViewOriginRow = top;
        editor.view.TerrainLeft = left;
        editor.view.TerrainTop = top;
        BuildTerrainGrid(editor.mesh, size, size);
        FillTerrainMesh(editor.mesh, editor.document.Heights(), editor.document.Tiles(), left, top,
                        size, size);
    }

    // Looks straight down: north up, east right, as in the texture view.
    void LookStraightDown() {
        editor.camera.CameraElevation = 90.0f;
        editor.camera.CameraAzimuth = 0.0f;
        editor.camera.CameraDistance = -600.0f;
    }

    // Where a point on the ground (height 0) appears when looking straight down.
    QPoint GroundPixel(double x, double z) const {
        const double f =
            1.0 / std::tan(22.5 * 3.14159265358979 / 180.0) / -editor.camera.CameraDistance;
        const double width = window->width(), height = window->height();
        return {static_cast<int>((f * height / width * x + 1) / 2 * width),
                static_cast<int>((1 + f * z) / 2 * height)};
    }

    QImage Frame() { return window->grabFramebuffer().convertToFormat(QImage::Format_RGB32); }

    static bool IsClearColour(QRgb pixel) {
        return qRed(pixel) == 0 && qAbs(qGreen(pixel) - 128) <= 1 && qBlue(pixel) == 255;
    }
    static bool IsGridRed(QRgb pixel) {
        return qRed(pixel) >= 250 && qGreen(pixel) <= 5 && qBlue(pixel) <= 5;
    }

    Editor editor;
    RecordingShell shell;
    std::unique_ptr<TerrainViewWindow> window;
};
