#pragma once
// A tile or button bitmap as a Qt image, so that the app paints each picture (and each
// turned copy) with one drawImage.

#include "core/image/TileBitmap.h"

#include <QImage>

// The picture in RGB32, top row first; a null image when the bitmap cannot be decoded.
QImage TileBitmapToImage(const TileBitmap& bitmap);
