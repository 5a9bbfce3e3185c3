#include "XGridWindowData.h"

#include "XGridColors.h"
#include "bets/XArchiving.h"

#include <QJsonArray>
#include <QRegularExpression>

#include <cmath>

namespace {
const QString kFrameKey = QStringLiteral("kXGridWindowFrameKey");
const QString kColorKey = QStringLiteral("kXGridWindowGraphicColorKey");
const QString kRectKey = QStringLiteral("kXGridWindowGraphicRectKey");
const QString kZeroZoneWidthKey = QStringLiteral("kXGridWindowGraphicZeroZoneWidthKey");
const QString kTopGapsKey = QStringLiteral("kXGridWindowGraphicTopGapsKey");
const QString kLeftGapsKey = QStringLiteral("kXGridWindowGraphicLeftGapsKey");
const QString kBottomGapsKey = QStringLiteral("kXGridWindowGraphicBottomGapsKey");
const QString kRightGapsKey = QStringLiteral("kXGridWindowGraphicRightGapsKey");
const QString kNameKey = QStringLiteral("kXGridWindowNameKey");

QJsonArray numbers(std::initializer_list<double> values)
{
    QJsonArray array;
    for (double v : values)
        array.append(v);
    return array;
}

// The numbers of an array, or nothing when it is no array of numbers. Whether they are
// in bounds is the caller's to judge.
std::optional<std::vector<double>> readNumbers(const QJsonValue& value)
{
    if (!value.isArray())
        return std::nullopt;
    const QJsonArray array = value.toArray();
    std::vector<double> result;
    result.reserve(static_cast<std::size_t>(array.size()));
    for (const QJsonValue& element : array) {
        if (!element.isDouble())
            return std::nullopt;
        result.push_back(element.toDouble());
    }
    return result;
}

// A rectangle or point as written here ([x, y, w, h] / [x, y]), or as other writers of
// geometry values do: {"x": …, "y": …, "width": …, "height": …}, or text such as
// "{{x, y}, {w, h}}" and "x,y". Nothing unless exactly `count` numbers are found; they
// may be out of any bounds.
std::optional<std::vector<double>> readGeometry(const QJsonValue& value, std::size_t count)
{
    std::optional<std::vector<double>> numbers;
    if (value.isArray()) {
        numbers = readNumbers(value);
    } else if (value.isObject()) {
        const QJsonObject o = value.toObject();
        const char* keys[] = {"x", "y", "width", "height"};
        std::vector<double> found;
        for (std::size_t i = 0; i < count; ++i) {
            const QJsonValue v = o.value(QLatin1String(keys[i]));
            if (!v.isDouble())
                return std::nullopt;
            found.push_back(v.toDouble());
        }
        numbers = found;
    } else if (value.isString()) {
        static const QRegularExpression number(QStringLiteral("[-+]?(\\d+\\.?\\d*|\\.\\d+)([eE][-+]?\\d+)?"));
        std::vector<double> found;
        for (auto it = number.globalMatch(value.toString()); it.hasNext() && found.size() <= count;)
            found.push_back(XLeadingNumberAsWritten(it.next().capturedView(0)).value_or(0));
        numbers = found;
    }
    if (!numbers || numbers->size() != count)
        return std::nullopt;
    return numbers;
}

// The widest axis the corners span: what a gap or the zero zone's widening may reach.
double gridExtent(const XGraphicRectStruct& r)
{
    const QRectF box = XMaxRectGraphicRect(r);
    return std::max(box.width(), box.height());
}

void writeGaps(QJsonObject& object, const QString& key, const XGapArray& gaps)
{
    if (gaps.empty())
        return;
    QJsonArray array;
    for (double gap : gaps)
        array.append(gap);
    object.insert(key, array);
}

// False when the stored gaps reach past the grid; no array stays empty.
bool readGaps(const QJsonObject& object, const QString& key, double extent, XGapArray& gaps)
{
    std::optional<std::vector<double>> numbers = readNumbers(object.value(key));
    if (!numbers)
        return true;
    for (double gap : *numbers) {
        if (!XFitsGrid(gap, extent))
            return false;
    }
    gaps = std::move(*numbers);
    return true;
}
} // namespace

QJsonObject XEncodeGridWindowData(const XGridWindowData& d)
{
    QJsonObject object;
    const QRectF& f = d.windowFrame;
    object.insert(kFrameKey, numbers({f.x(), f.y(), f.width(), f.height()}));
    if (d.graphicColor)
        object.insert(kColorKey, XColorName(*d.graphicColor));
    QJsonArray corners;
    for (QPointF p : {d.graphicRect.topPoint, d.graphicRect.leftPoint, d.graphicRect.bottomPoint,
                      d.graphicRect.rightPoint})
        corners.append(numbers({p.x(), p.y()}));
    object.insert(kRectKey, corners);
    object.insert(kZeroZoneWidthKey, d.graphicZeroZoneWidth);
    writeGaps(object, kTopGapsKey, d.topGaps);
    writeGaps(object, kLeftGapsKey, d.leftGaps);
    writeGaps(object, kBottomGapsKey, d.bottomGaps);
    writeGaps(object, kRightGapsKey, d.rightGaps);
    if (!d.name.isEmpty())
        object.insert(kNameKey, d.name);
    return object;
}

std::optional<XGridWindowData> XDecodeGridWindowData(const QJsonObject& object, const XStoredBounds& bounds)
{
    bool isLayout = false;
    for (auto it = object.begin(); it != object.end(); ++it)
        isLayout = isLayout || it.key().startsWith(QLatin1StringView("kXGridWindow"));
    if (!isLayout)
        return std::nullopt;
    XGridWindowData d;
    d.graphicColor = XColorFromName(object.value(kColorKey).toString());
    if (const auto frame = readGeometry(object.value(kFrameKey), 4)) {
        const QRectF area((*frame)[0], (*frame)[1], (*frame)[2], (*frame)[3]);
        if (!bounds.containsRect(area))
            return std::nullopt;
        d.windowFrame = area;
    }
    const QJsonArray corners = object.value(kRectKey).toArray();
    if (corners.size() == 4) {
        QPointF points[4];
        bool valid = true;
        for (int i = 0; i < 4 && valid; ++i) {
            const auto xy = readGeometry(corners[i], 2);
            valid = xy.has_value();
            if (valid)
                points[i] = QPointF((*xy)[0], (*xy)[1]);
        }
        if (valid) {
            for (QPointF p : points) {
                if (!bounds.containsPoint(p))
                    return std::nullopt;
            }
            d.graphicRect = {points[0], points[1], points[2], points[3]};
        }
    }
    // Without corners of its own the record is applied to the live grid, itself in bounds.
    const double extent = XIsZeroGraphicRect(d.graphicRect) ? bounds.limit() : gridExtent(d.graphicRect);
    const QJsonValue zeroZone = object.value(kZeroZoneWidthKey);
    if (zeroZone.isDouble()) {
        if (!XFitsGrid(zeroZone.toDouble(), extent))
            return std::nullopt;
        d.graphicZeroZoneWidth = zeroZone.toDouble();
    }
    if (!readGaps(object, kTopGapsKey, extent, d.topGaps) ||
        !readGaps(object, kLeftGapsKey, extent, d.leftGaps) ||
        !readGaps(object, kBottomGapsKey, extent, d.bottomGaps) ||
        !readGaps(object, kRightGapsKey, extent, d.rightGaps))
        return std::nullopt;
    d.name = object.value(kNameKey).toString();
    return d;
}

QByteArray XArchiveGridWindowData(const XGridWindowData& data)
{
    return XArchive(XEncodeGridWindowData(data));
}

std::optional<XGridWindowData> XUnarchiveGridWindowDataWithin(const QByteArray& archive,
                                                              const XStoredBounds& bounds)
{
    const auto object = XArchiveObject(archive);
    return object ? XDecodeGridWindowData(*object, bounds) : std::nullopt;
}

std::optional<XGridWindowData> XUnarchiveGridWindowData(const QByteArray& archive)
{
    return XUnarchiveGridWindowDataWithin(archive, XStoredBounds::ofDesktop());
}
