#include "XTableFinder.h"

#include <QCoreApplication>

#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <utility>

// Cells are the regions of even colour that neighbouring pixels of a strong colour change
// enclose; the table is the lattice of twelve by three such cells of one size with a tall
// cell at its left. Each line is then measured from the sides of the cells it runs between.
namespace {
using Point = cv::Point2d;

// A colour change above this (the sum over the channels of neighbouring pixels) bounds a cell.
constexpr int EdgeContrast = 40;
constexpr int SmallestCellArea = 60;

double length(Point p)
{
    return std::hypot(p.x, p.y);
}

double cross(Point a, Point b)
{
    return a.x * b.y - a.y * b.x;
}

QPointF toQt(Point p)
{
    return {p.x, p.y};
}

struct Line
{
    Point at;
    Point direction; // unit length
};

Point crossing(const Line& a, const Line& b)
{
    const double t = cross(b.at - a.at, b.direction) / cross(a.direction, b.direction);
    return a.at + t * a.direction;
}

double distance(const Line& line, Point p)
{
    return std::abs(cross(line.direction, p - line.at));
}

std::optional<Line> principalLine(const std::vector<Point>& points)
{
    if (points.size() < 2)
        return std::nullopt;
    Point mean(0, 0);
    for (const Point& p : points)
        mean += p;
    mean *= 1.0 / static_cast<double>(points.size());
    double xx = 0, xy = 0, yy = 0;
    for (const Point& p : points) {
        const Point d = p - mean;
        xx += d.x * d.x;
        xy += d.x * d.y;
        yy += d.y * d.y;
    }
    const double angle = 0.5 * std::atan2(2 * xy, xx - yy);
    return Line{mean, Point(std::cos(angle), std::sin(angle))};
}

// A least-squares line, refitted without the points far off the first fit (a digit touching
// a cell's side, a cut corner).
std::optional<Line> fitLine(const std::vector<Point>& points)
{
    const std::optional<Line> first = principalLine(points);
    if (!first)
        return std::nullopt;
    std::vector<Point> near;
    near.reserve(points.size());
    for (const Point& p : points)
        if (distance(*first, p) <= 1.5)
            near.push_back(p);
    return near.size() * 2 >= points.size() ? principalLine(near) : first;
}

// The line halfway between two nearly parallel lines, halved where they cross `across0` and `across1`.
Line middle(const Line& a, const Line& b, const Line& across0, const Line& across1)
{
    const Point p0 = (crossing(a, across0) + crossing(b, across0)) * 0.5;
    const Point p1 = (crossing(a, across1) + crossing(b, across1)) * 0.5;
    return Line{p0, (p1 - p0) * (1 / length(p1 - p0))};
}

// A projective map from table coordinates to the image.
using Homography = cv::Matx33d;

Point apply(const Homography& h, Point p)
{
    const cv::Vec3d q = h * cv::Vec3d(p.x, p.y, 1);
    return {q[0] / q[2], q[1] / q[2]};
}

// Moves the points' centroid to the origin and their mean distance to √2, for a well-conditioned fit.
Homography normalising(const std::vector<Point>& points)
{
    Point mean(0, 0);
    for (const Point& p : points)
        mean += p;
    mean *= 1.0 / static_cast<double>(points.size());
    double spread = 0;
    for (const Point& p : points)
        spread += length(p - mean);
    const double s = std::sqrt(2.0) * static_cast<double>(points.size()) / std::max(spread, 1e-9);
    return {s, 0, -s * mean.x, 0, s, -s * mean.y, 0, 0, 1};
}

// The least-squares homography taking `from` to `to` (direct linear transform, h33 = 1).
std::optional<Homography> fitHomography(const std::vector<Point>& from, const std::vector<Point>& to)
{
    const int n = static_cast<int>(from.size());
    if (n < 4)
        return std::nullopt;
    const Homography tf = normalising(from), tt = normalising(to);
    cv::Mat a(2 * n, 8, CV_64F), b(2 * n, 1, CV_64F);
    for (int i = 0; i < n; ++i) {
        const Point p = apply(tf, from[i]), q = apply(tt, to[i]);
        const double rows[2][9] = {{p.x, p.y, 1, 0, 0, 0, -p.x * q.x, -p.y * q.x, q.x},
                                   {0, 0, 0, p.x, p.y, 1, -p.x * q.y, -p.y * q.y, q.y}};
        for (int r = 0; r < 2; ++r) {
            for (int c = 0; c < 8; ++c)
                a.at<double>(2 * i + r, c) = rows[r][c];
            b.at<double>(2 * i + r) = rows[r][8];
        }
    }
    cv::Mat h;
    if (!cv::solve(a, b, h, cv::DECOMP_SVD))
        return std::nullopt;
    const Homography hn(h.at<double>(0), h.at<double>(1), h.at<double>(2), h.at<double>(3), h.at<double>(4),
                        h.at<double>(5), h.at<double>(6), h.at<double>(7), 1);
    return Homography(tt.inv() * hn * tf);
}

enum Side
{
    Top,
    Right,
    Bottom,
    Left
};

// A region of even colour shaped like a quadrilateral.
struct Quad
{
    std::array<Point, 4> corner;                  // top-left, top-right, bottom-right, bottom-left
    std::array<std::vector<Point>, 4> sidePoints; // boundary pixels along each Side, away from the corners
    Point centre;                                 // where the diagonals cross
    Point across, down;                           // the mean top-to-bottom and left-to-right sides
    bool atImageEdge = false;

    double width() const { return length(across); }
    double height() const { return length(down); }
};

// Pixels next to a strong colour change, from either side, so regions shrink alike on all sides;
// and pixels between two that differ strongly, for edges that smoothing spread over a pixel.
cv::Mat edgePixels(const cv::Mat& image)
{
    const int w = image.cols, h = image.rows;
    cv::Mat channels[4];
    cv::split(image, channels);
    cv::Mat edge(h, w, CV_8U, cv::Scalar(0)), change, total;
    // The change summed over the colour channels, saturating at 255.
    const auto mark = [&](const cv::Rect& a, const cv::Rect& b, std::initializer_list<cv::Rect> where) {
        for (int c = 0; c < 3; ++c) {
            cv::absdiff(channels[c](a), channels[c](b), change);
            if (c == 0)
                change.copyTo(total);
            else
                cv::add(total, change, total);
        }
        const cv::Mat strong = total > EdgeContrast;
        for (const cv::Rect& r : where) {
            cv::Mat m = edge(r);
            cv::bitwise_or(m, strong, m);
        }
    };
    const auto columns = [&](int from, int count) { return cv::Rect(from, 0, count, h); };
    const auto rows = [&](int from, int count) { return cv::Rect(0, from, w, count); };
    mark(columns(0, w - 1), columns(1, w - 1), {columns(0, w - 1), columns(1, w - 1)});
    mark(rows(0, h - 1), rows(1, h - 1), {rows(0, h - 1), rows(1, h - 1)});
    mark(columns(0, w - 2), columns(2, w - 2), {columns(1, w - 2)});
    mark(rows(0, h - 2), rows(2, h - 2), {rows(1, h - 2)});
    return edge;
}

std::optional<Quad> quadOf(const cv::Mat& labels, int label, cv::Rect box)
{
    // A border of one pixel, so a region at the edge of the image still has a closed outline.
    const cv::Rect padded =
        (box + cv::Size(2, 2) - cv::Point(1, 1)) & cv::Rect(0, 0, labels.cols, labels.rows);
    cv::Mat mask = labels(padded) == label;
    cv::copyMakeBorder(mask, mask, 1, 1, 1, 1, cv::BORDER_CONSTANT, 0);
    std::vector<std::vector<cv::Point>> contours;
    cv::findContours(mask, contours, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_NONE, padded.tl() - cv::Point(1, 1));
    if (contours.empty())
        return std::nullopt;
    const auto& outline = *std::max_element(contours.begin(), contours.end(),
                                            [](const auto& a, const auto& b) { return a.size() < b.size(); });
    std::vector<cv::Point> hull, corners;
    cv::convexHull(outline, hull);
    cv::approxPolyDP(hull, corners, 0.04 * cv::arcLength(hull, true), true);
    if (corners.size() != 4 || !cv::isContourConvex(corners))
        return std::nullopt;
    const double area = cv::contourArea(corners);
    if (area < SmallestCellArea || cv::contourArea(outline) < 0.9 * area)
        return std::nullopt;

    Quad q;
    // Clockwise on the screen from the corner nearest the top left.
    if (cv::contourArea(corners, true) < 0)
        std::reverse(corners.begin(), corners.end());
    const auto first = std::min_element(corners.begin(), corners.end(),
                                        [](cv::Point a, cv::Point b) { return a.x + a.y < b.x + b.y; });
    std::rotate(corners.begin(), first, corners.end());
    // Pixel centres, as the lines are measured in pixel edges.
    for (int i = 0; i < 4; ++i)
        q.corner[i] = Point(corners[i].x + 0.5, corners[i].y + 0.5);
    q.across = (q.corner[1] - q.corner[0] + q.corner[2] - q.corner[3]) * 0.5;
    q.down = (q.corner[3] - q.corner[0] + q.corner[2] - q.corner[1]) * 0.5;
    q.centre =
        crossing(Line{q.corner[0], (q.corner[2] - q.corner[0]) * (1 / length(q.corner[2] - q.corner[0]))},
                 Line{q.corner[1], (q.corner[3] - q.corner[1]) * (1 / length(q.corner[3] - q.corner[1]))});

    int onSides = 0;
    for (const cv::Point& pixel : outline) {
        const Point p(pixel.x + 0.5, pixel.y + 0.5);
        for (int s = 0; s < 4; ++s) {
            const Point a = q.corner[s], b = q.corner[(s + 1) % 4];
            const double len = length(b - a);
            const Point along = (b - a) * (1 / len);
            const double t = (p - a).dot(along) / len;
            const double off = std::abs(cross(along, p - a));
            if (off <= std::max(2.0, 0.04 * len)) {
                ++onSides;
                if (t > 0.15 && t < 0.85)
                    q.sidePoints[s].push_back(p);
                break;
            }
        }
    }
    if (onSides < 0.85 * static_cast<double>(outline.size()))
        return std::nullopt;
    q.atImageEdge = box.x == 0 || box.y == 0 || box.br().x == labels.cols || box.br().y == labels.rows;
    return q;
}

std::vector<Quad> findQuads(const cv::Mat& image)
{
    const cv::Mat inside = edgePixels(image) == 0;
    cv::Mat labels, stats, centroids;
    const int count = cv::connectedComponentsWithStats(inside, labels, stats, centroids, 4, CV_32S);
    const double largest = static_cast<double>(image.total()) / 16;
    std::vector<Quad> quads;
    for (int label = 1; label < count; ++label) {
        const int* s = stats.ptr<int>(label);
        const cv::Rect box(s[cv::CC_STAT_LEFT], s[cv::CC_STAT_TOP], s[cv::CC_STAT_WIDTH],
                           s[cv::CC_STAT_HEIGHT]);
        const double boxArea = static_cast<double>(box.area());
        // Cut by their numbers, turned or in perspective, cells still fill most of their box.
        if (s[cv::CC_STAT_AREA] < SmallestCellArea || box.width < 6 || box.height < 6 || boxArea > largest ||
            s[cv::CC_STAT_AREA] < 0.4 * boxArea)
            continue;
        if (std::optional<Quad> q = quadOf(labels, label, box))
            quads.push_back(std::move(*q));
    }
    return quads;
}

bool similarSize(const Quad& a, const Quad& b)
{
    const double w = b.width() / a.width(), h = b.height() / a.height();
    return w > 0.8 && w < 1.25 && h > 0.8 && h < 1.25;
}

// The quad next to `a` one step along `step` (its across or down), divider in between; -1 if none.
int neighbour(const std::vector<Quad>& quads, int a, Point step)
{
    const double reach = length(step);
    const Point along = step * (1 / reach), normal(-along.y, along.x);
    int best = -1;
    double bestDistance = 0;
    for (int b = 0; b < static_cast<int>(quads.size()); ++b) {
        if (b == a || !similarSize(quads[a], quads[b]))
            continue;
        const Point d = quads[b].centre - quads[a].centre;
        const double forward = d.dot(along) / reach, aside = std::abs(d.dot(normal)) / reach;
        if (forward > 0.95 && forward < 1.7 && aside < 0.2 && (best < 0 || forward < bestDistance)) {
            best = b;
            bestDistance = forward;
        }
    }
    return best;
}

// Quads linked into a lattice: cell index by (column, row).
using Lattice = std::map<std::pair<int, int>, int>;

std::vector<Lattice> lattices(const std::vector<Quad>& quads)
{
    const int n = static_cast<int>(quads.size());
    // Links both ways: right, down, left, up.
    std::vector<std::array<int, 4>> links(n, {-1, -1, -1, -1});
    for (int a = 0; a < n; ++a) {
        const int right = neighbour(quads, a, quads[a].across), below = neighbour(quads, a, quads[a].down);
        if (right >= 0) {
            links[a][0] = right;
            links[right][2] = a;
        }
        if (below >= 0) {
            links[a][1] = below;
            links[below][3] = a;
        }
    }
    const int dc[4] = {1, 0, -1, 0}, dr[4] = {0, 1, 0, -1};
    std::vector<bool> seen(n, false);
    std::vector<Lattice> result;
    for (int start = 0; start < n; ++start) {
        if (seen[start])
            continue;
        Lattice lattice;
        std::vector<std::pair<int, std::pair<int, int>>> todo{{start, {0, 0}}};
        seen[start] = true;
        bool consistent = true;
        while (!todo.empty()) {
            const auto [cell, at] = todo.back();
            todo.pop_back();
            if (!lattice.emplace(at, cell).second)
                consistent = false;
            for (int k = 0; k < 4; ++k) {
                const int next = links[cell][k];
                if (next >= 0 && !seen[next]) {
                    seen[next] = true;
                    todo.push_back({next, {at.first + dc[k], at.second + dr[k]}});
                }
            }
        }
        if (consistent && lattice.size() >= 4)
            result.push_back(std::move(lattice));
    }
    return result;
}

struct Extent
{
    int firstColumn = 0, lastColumn = 0, firstRow = 0, lastRow = 0;
    int columns() const { return lastColumn - firstColumn + 1; }
    int rows() const { return lastRow - firstRow + 1; }
};

Extent extentOf(const Lattice& lattice)
{
    Extent e{lattice.begin()->first.first, lattice.begin()->first.first, lattice.begin()->first.second,
             lattice.begin()->first.second};
    for (const auto& [at, cell] : lattice) {
        e.firstColumn = std::min(e.firstColumn, at.first);
        e.lastColumn = std::max(e.lastColumn, at.first);
        e.firstRow = std::min(e.firstRow, at.second);
        e.lastRow = std::max(e.lastRow, at.second);
    }
    return e;
}

// Cell (column, row) centred at (column + 0.5, row + 0.5).
std::optional<Homography> latticePose(const std::vector<Quad>& quads, const Lattice& lattice)
{
    std::vector<Point> from, to;
    for (const auto& [at, cell] : lattice) {
        from.emplace_back(at.first + 0.5, at.second + 0.5);
        to.push_back(quads[cell].centre);
    }
    const std::optional<Homography> h = fitHomography(from, to);
    if (!h)
        return std::nullopt;
    // Lines may be spaced unevenly, but not so that cells leave their places.
    for (const auto& [at, cell] : lattice) {
        const Quad& q = quads[cell];
        if (length(apply(*h, Point(at.first + 0.5, at.second + 0.5)) - q.centre) >
            0.25 * std::min(q.width(), q.height()))
            return std::nullopt;
    }
    return h;
}

bool inside(Point p, const cv::Mat& image)
{
    return p.x >= 0 && p.y >= 0 && p.x <= image.cols && p.y <= image.rows;
}

// Whether no whole table (zero column and twelve by three cells) that holds what was seen of it
// fits in the image; `zeroAt` the column left of the first when the zero cell was seen.
bool cutByImageEdge(const Homography& h, const Extent& e, std::optional<int> zeroAt, const cv::Mat& image)
{
    const int firstLeft = zeroAt ? *zeroAt + 1 : e.lastColumn - 11,
              lastLeft = zeroAt ? *zeroAt + 1 : e.firstColumn;
    for (int left = firstLeft; left <= lastLeft; ++left)
        for (int top = e.lastRow - 2; top <= e.firstRow; ++top) {
            const Point corners[4] = {{left - 1.0, top + 0.0},
                                      {left + 12.0, top + 0.0},
                                      {left + 12.0, top + 3.0},
                                      {left - 1.0, top + 3.0}};
            if (std::all_of(std::begin(corners), std::end(corners),
                            [&](Point c) { return inside(apply(h, c), image); }))
                return false;
        }
    return true;
}

// Whether a cell the image's edge cuts lies next to the lattice, in line with its rows or columns.
bool clippedNeighbour(const std::vector<Quad>& quads, const Lattice& lattice)
{
    for (const auto& [at, cell] : lattice) {
        const Quad& a = quads[cell];
        for (const Point step : {a.across, -a.across, a.down, -a.down}) {
            const double reach = length(step);
            const Point along = step * (1 / reach), normal(-along.y, along.x);
            for (const Quad& b : quads) {
                const Point d = b.centre - a.centre;
                if (b.atImageEdge && d.dot(along) / reach > 0.3 && d.dot(along) / reach < 1.7 &&
                    std::abs(d.dot(normal)) / reach < 0.25)
                    return true;
            }
        }
    }
    return false;
}

// The tall cell left of the lattice's first column: its right side faces their left sides.
int zeroCell(const std::vector<Quad>& quads, const Lattice& lattice, const Extent& e)
{
    const auto cell = [&](int c, int r) {
        const auto found = lattice.find({c, r});
        return found == lattice.end() ? nullptr : &quads[found->second];
    };
    Point gap(0, 0);
    int pairs = 0;
    for (const auto& [at, index] : lattice)
        if (const Quad* next = cell(at.first + 1, at.second)) {
            const Quad& a = quads[index];
            gap += (next->corner[0] - a.corner[1] + next->corner[3] - a.corner[2]) * 0.5;
            ++pairs;
        }
    const Quad *top = cell(e.firstColumn, e.firstRow), *bottom = cell(e.firstColumn, e.firstRow + 2);
    if (pairs == 0 || e.rows() != 3 || !top || !bottom)
        return -1;
    gap *= 1.0 / pairs;
    const Point topRight = top->corner[0] - gap, bottomRight = bottom->corner[3] - gap;
    const double tolerance = 0.25 * top->height();
    for (int z = 0; z < static_cast<int>(quads.size()); ++z) {
        const Quad& q = quads[z];
        const double width = q.width() / top->width();
        if (length(q.corner[1] - topRight) < tolerance && length(q.corner[2] - bottomRight) < tolerance &&
            width > 0.4 && width < 4)
            return z;
    }
    return -1;
}

template <typename Fn> std::vector<Point> gather(Fn&& sides)
{
    std::vector<Point> points;
    sides([&](const std::vector<Point>& more) { points.insert(points.end(), more.begin(), more.end()); });
    return points;
}

std::optional<XFoundTable> measure(const std::vector<Quad>& quads,
                                   const std::array<std::array<int, 3>, 12>& cells, const Quad& zero,
                                   const Homography& pose)
{
    const auto cell = [&](int c, int r) -> const Quad& { return quads[cells[c][r]]; };
    const auto columnSide = [&](int c, Side side) {
        return fitLine(gather([&](auto add) {
            for (int r = 0; r < 3; ++r)
                add(cell(c, r).sidePoints[side]);
        }));
    };
    const auto rowSide = [&](int r, Side side) {
        return fitLine(gather([&](auto add) {
            for (int c = 0; c < 12; ++c)
                add(cell(c, r).sidePoints[side]);
            if ((r == 0 && side == Top) || (r == 2 && side == Bottom))
                add(zero.sidePoints[side]);
        }));
    };
    const std::optional<Line> top = rowSide(0, Top), bottom = rowSide(2, Bottom),
                              left = fitLine(zero.sidePoints[Left]), right = columnSide(11, Right);
    if (!top || !bottom || !left || !right)
        return std::nullopt;

    // Inner lines halfway between the sides that face each other. The dividers' width is taken in
    // lattice units, where perspective does not make it shrink towards the far edge.
    const Homography toLattice = pose.inv();
    const auto lattice = [&](Point p) { return apply(toLattice, p); };
    std::array<Line, 14> column;
    std::array<Line, 4> row;
    std::vector<double> columnGaps, rowGaps;
    const Line across = middle(*top, *bottom, *left, *right);
    for (int j = 1; j <= 12; ++j) {
        const std::optional<Line> a = j == 1 ? fitLine(zero.sidePoints[Right]) : columnSide(j - 2, Right);
        const std::optional<Line> b = columnSide(j - 1, Left);
        if (!a || !b)
            return std::nullopt;
        column[j] = middle(*a, *b, *top, *bottom);
        columnGaps.push_back(lattice(crossing(*b, across)).x - lattice(crossing(*a, across)).x);
    }
    const Line down = middle(*left, *right, *top, *bottom);
    for (int i = 1; i <= 2; ++i) {
        const std::optional<Line> a = rowSide(i - 1, Bottom), b = rowSide(i, Top);
        if (!a || !b)
            return std::nullopt;
        row[i] = middle(*a, *b, *left, *right);
        rowGaps.push_back(lattice(crossing(*b, down)).y - lattice(crossing(*a, down)).y);
    }
    std::nth_element(columnGaps.begin(), columnGaps.begin() + 6, columnGaps.end());
    const Point halfGapAcross(columnGaps[6] / 2, 0), halfGapDown(0, (rowGaps[0] + rowGaps[1]) / 4);
    // The outer sides of the cells, moved out by half a divider.
    const auto moved = [&](const Line& side, const Line& end0, const Line& end1, Point by) {
        const Point p0 = apply(pose, lattice(crossing(side, end0)) + by);
        const Point p1 = apply(pose, lattice(crossing(side, end1)) + by);
        return Line{p0, (p1 - p0) * (1 / length(p1 - p0))};
    };
    column[0] = moved(*left, *top, *bottom, -halfGapAcross);
    column[13] = moved(*right, *top, *bottom, halfGapAcross);
    row[0] = moved(*top, *left, *right, -halfGapDown);
    row[3] = moved(*bottom, *left, *right, halfGapDown);

    XFoundTable table;
    for (int j = 0; j <= 13; ++j) {
        table.columnTop[j] = toQt(crossing(column[j], row[0]));
        table.columnBottom[j] = toQt(crossing(column[j], row[3]));
    }
    for (int i = 0; i <= 3; ++i) {
        table.rowLeft[i] = toQt(crossing(row[i], column[0]));
        table.rowRight[i] = toQt(crossing(row[i], column[13]));
    }
    return table;
}

double areaOf(const XFoundTable& t)
{
    const QPointF c[4] = {t.columnTop[0], t.columnTop[13], t.columnBottom[13], t.columnBottom[0]};
    double twice = 0;
    for (int i = 0; i < 4; ++i)
        twice += c[i].x() * c[(i + 1) % 4].y() - c[(i + 1) % 4].x() * c[i].y();
    return std::abs(twice) / 2;
}
} // namespace

XTableSearch XFindTables(const QImage& image)
{
    XTableSearch search;
    if (image.width() < 16 || image.height() < 16) {
        search.reason = QCoreApplication::translate("XTableFinder", "The picture of the screen is empty.");
        return search;
    }
    const QImage rgb = image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32 ||
                               image.format() == QImage::Format_ARGB32_Premultiplied
                           ? image
                           : image.convertToFormat(QImage::Format_RGB32);
    const cv::Mat pixels(rgb.height(), rgb.width(), CV_8UC4, const_cast<uchar*>(rgb.constBits()),
                         static_cast<size_t>(rgb.bytesPerLine()));

    const std::vector<Quad> quads = findQuads(pixels);
    bool cutOff = false, noZero = false, partial = false;
    for (const Lattice& lattice : lattices(quads)) {
        const Extent e = extentOf(lattice);
        if (e.rows() > 3 || e.columns() > 13)
            continue;
        const bool atEdge = std::any_of(lattice.begin(), lattice.end(),
                                        [&](const auto& entry) { return quads[entry.second].atImageEdge; });
        const int zero = zeroCell(quads, lattice, e);
        const bool zeroAtEdge = zero >= 0 && quads[zero].atImageEdge;
        // A further column at the right may be the "2 to 1" bets: only the twelve next to zero count.
        std::array<std::array<int, 3>, 12> cells{};
        bool whole = e.rows() == 3 && e.columns() >= 12;
        for (int c = 0; whole && c < 12; ++c)
            for (int r = 0; r < 3 && whole; ++r) {
                const auto found = lattice.find({e.firstColumn + c, e.firstRow + r});
                whole = found != lattice.end();
                if (whole)
                    cells[c][r] = found->second;
            }
        const std::optional<Homography> pose = latticePose(quads, lattice);
        if (whole && pose && zero >= 0 && !atEdge && !zeroAtEdge) {
            if (std::optional<XFoundTable> table = measure(quads, cells, quads[zero], *pose))
                search.tables.push_back(*table);
            continue;
        }
        // Why this is no table, for when there is none.
        if (atEdge || zeroAtEdge || (!whole && clippedNeighbour(quads, lattice))) {
            cutOff = true;
            continue;
        }
        if (e.rows() < 2 || e.columns() < 2 || !pose)
            continue;
        if (cutByImageEdge(*pose, e, zero >= 0 ? std::optional<int>(e.firstColumn - 1) : std::nullopt,
                           pixels))
            cutOff = true;
        else if (whole)
            noZero = true;
        else if (e.rows() == 3 || e.columns() >= 6)
            partial = true;
    }
    std::sort(search.tables.begin(), search.tables.end(),
              [](const XFoundTable& a, const XFoundTable& b) { return areaOf(a) > areaOf(b); });
    if (!search.tables.empty())
        return search;
    if (cutOff)
        search.reason = QCoreApplication::translate(
            "XTableFinder", "The table seems to be cut off by the edge of the screen.");
    else if (noZero)
        search.reason = QCoreApplication::translate(
            "XTableFinder", "Twelve columns of three cells were found, but no zero cell at their left.");
    else if (partial)
        search.reason = QCoreApplication::translate(
            "XTableFinder", "Part of a table was found, but some of its cells are covered or missing.");
    else
        search.reason = QCoreApplication::translate(
            "XTableFinder", "No roulette table was found: no zero cell with twelve columns of three numbers "
                            "at its right.");
    return search;
}
