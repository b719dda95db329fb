#pragma once
// Centre lines of the linear features (rivers, roads) as distance functions, in the
// coordinates of an unturned 64 x 64 tile. Every line leaves the tile at the middle of a
// side and at right angles to it, so that pieces join whatever their neighbours are.

#include <functional>
#include <vector>

using CentreLine = std::function<double(double x, double y)>;

struct Point {
    double x;
    double y;
};

// West-east through the middle rows, bulging by `bulge` pixels at the tile's centre.
CentreLine WestEast(double bulge);
// North-south through the middle columns, bulging by `bulge` pixels at the tile's centre.
CentreLine NorthSouth(double bulge);
// A circular arc of radius 32 around a tile corner: joins the middles of its two sides.
CentreLine CornerArc(double cornerX, double cornerY);
CentreLine Segment(Point a, Point b);
// A quadratic curve from `a` to `c`, pulled towards `b`.
CentreLine Curve(Point a, Point b, Point c);
CentreLine Either(CentreLine a, CentreLine b);

// Distance from a pixel centre to the nearest pixel centre outside `inside` (up to `limit`).
double DepthInside(const std::function<bool(double, double)>& inside, double x, double y,
                   int limit);
