#include "Shapes.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;

double DistanceToPolyline(const std::vector<Point>& points, double x, double y) {
    double best = 1e9;
    for (size_t i = 0; i + 1 < points.size(); ++i) {
        const Point a = points[i];
        const Point b = points[i + 1];
        const double dx = b.x - a.x;
        const double dy = b.y - a.y;
        const double length2 = dx * dx + dy * dy;
        double t = length2 > 0 ? ((x - a.x) * dx + (y - a.y) * dy) / length2 : 0;
        t = std::clamp(t, 0.0, 1.0);
        best = std::min(best, std::hypot(x - (a.x + t * dx), y - (a.y + t * dy)));
    }
    return best;
}

// The curve y = 32 + bulge * sin^2(pi x / 64) sampled as a polyline (x from -4 to 68, so
// that the line runs straight on across the tile's sides).
std::vector<Point> BulgingLine(double bulge) {
    std::vector<Point> points;
    for (int i = -4; i <= 68; i += 2) {
        const double s = std::sin(Pi * std::clamp(i, 0, 64) / 64.0);
        points.push_back({double(i), 32 + bulge * s * s});
    }
    return points;
}

} // namespace

CentreLine WestEast(double bulge) {
    const std::vector<Point> points = BulgingLine(bulge);
    return [points](double x, double y) { return DistanceToPolyline(points, x, y); };
}

CentreLine NorthSouth(double bulge) {
    const std::vector<Point> points = BulgingLine(bulge);
    return [points](double x, double y) { return DistanceToPolyline(points, y, x); };
}

CentreLine CornerArc(double cornerX, double cornerY) {
    return [cornerX, cornerY](double x, double y) {
        return std::abs(std::hypot(x - cornerX, y - cornerY) - 32.0);
    };
}

CentreLine Segment(Point a, Point b) {
    const std::vector<Point> points{a, b};
    return [points](double x, double y) { return DistanceToPolyline(points, x, y); };
}

CentreLine Curve(Point a, Point b, Point c) {
    std::vector<Point> points;
    for (int i = 0; i <= 32; ++i) {
        const double t = i / 32.0;
        const double u = 1 - t;
        points.push_back({u * u * a.x + 2 * u * t * b.x + t * t * c.x,
                          u * u * a.y + 2 * u * t * b.y + t * t * c.y});
    }
    return [points](double x, double y) { return DistanceToPolyline(points, x, y); };
}

CentreLine Either(CentreLine a, CentreLine b) {
    return [a, b](double x, double y) { return std::min(a(x, y), b(x, y)); };
}

double DepthInside(const std::function<bool(double, double)>& inside, double x, double y,
                   int limit) {
    double best = limit;
    for (int dy = -limit; dy <= limit; ++dy) {
        for (int dx = -limit; dx <= limit; ++dx) {
            const double d = std::hypot(dx, dy);
            if (d < best && !inside(x + dx, y + dy))
                best = d;
        }
    }
    return best;
}
