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

QJsonArray numbers(std::initializer_list<double> values)
{
    QJsonArray array;
    for (double v : values)
        array.append(v);
    return array;
}

// The numbers of an array, or nothing when it is no array of finite numbers.
std::optional<std::vector<double>> readNumbers(const QJsonValue& value)
{
    if (!value.isArray())
        return std::nullopt;
    std::vector<double> result;
    for (const QJsonValue& element : value.toArray()) {
        if (!element.isDouble() || !std::isfinite(element.toDouble()))
            return std::nullopt;
        result.push_back(element.toDouble());
    }
    return result;
}

// A rectangle or point as written here ([x, y, w, h] / [x, y]), or as other writers of
// geometry values do: {"x": …, "y": …, "width": …, "height": …}, or text such as
// "{{x, y}, {w, h}}" and "x,y". Nothing unless exactly `count` finite numbers are found.
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
        for (auto it = number.globalMatch(value.toString()); it.hasNext();)
            found.push_back(it.next().captured(0).toDouble());
        numbers = found;
    }
    if (!numbers || numbers->size() != count)
        return std::nullopt;
    for (double v : *numbers) {
        if (!std::isfinite(v))
            return std::nullopt;
    }
    return numbers;
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

XGapArray readGaps(const QJsonObject& object, const QString& key)
{
    return readNumbers(object.value(key)).value_or(XGapArray{});
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
    return object;
}

std::optional<XGridWindowData> XDecodeGridWindowData(const QJsonObject& object)
{
    bool isLayout = false;
    for (auto it = object.begin(); it != object.end(); ++it)
        isLayout = isLayout || it.key().startsWith(QLatin1StringView("kXGridWindow"));
    if (!isLayout)
        return std::nullopt;
    XGridWindowData d;
    d.graphicColor = XColorFromName(object.value(kColorKey).toString());
    if (const auto frame = readGeometry(object.value(kFrameKey), 4))
        d.windowFrame = QRectF((*frame)[0], (*frame)[1], (*frame)[2], (*frame)[3]);
    const double zeroZone = object.value(kZeroZoneWidthKey).toDouble(0);
    d.graphicZeroZoneWidth = std::isfinite(zeroZone) ? zeroZone : 0;
    d.topGaps = readGaps(object, kTopGapsKey);
    d.leftGaps = readGaps(object, kLeftGapsKey);
    d.bottomGaps = readGaps(object, kBottomGapsKey);
    d.rightGaps = readGaps(object, kRightGapsKey);
    const QJsonArray corners = object.value(kRectKey).toArray();
    if (corners.size() == 4) {
        QPointF points[4];
        bool valid = true;
        for (int i = 0; i < 4; ++i) {
            const auto xy = readGeometry(corners[i], 2);
            valid = valid && xy;
            if (valid)
                points[i] = QPointF((*xy)[0], (*xy)[1]);
        }
        if (valid)
            d.graphicRect = {points[0], points[1], points[2], points[3]};
    }
    return d;
}

QByteArray XArchiveGridWindowData(const XGridWindowData& data)
{
    return XArchive(XEncodeGridWindowData(data));
}

std::optional<XGridWindowData> XUnarchiveGridWindowData(const QByteArray& archive)
{
    const auto object = XArchiveObject(archive);
    return object ? XDecodeGridWindowData(*object) : std::nullopt;
}
