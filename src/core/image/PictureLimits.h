#pragma once
// The largest picture the program has a use for. Tiles are 64 x 64 pixels and no view draws
// a cell wider than 256 pixels, so a tile or button file that names more is refused before
// anything is decoded: a few bytes of run-length data could otherwise claim hundreds of
// megabytes.

constexpr int MaxPictureSide = 256;
// Such a picture at 32 bits with every table is about 263 kB; larger files are not read.
constexpr unsigned long MaxPictureFileSize = 4ul << 20;
