#include "XArchiving.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {
const QString kPointKey = QStringLiteral("kXMouseDataPointKey");
const QString kIndexKey = QStringLiteral("kXMouseDataIndexKey");
const QString kEventTypeKey = QStringLiteral("kXMouseDataEventTypeKey");
const QString kClickCountKey = QStringLiteral("kXMouseDataClickCountKey");
const QString kTableMouseDataKey = QStringLiteral("kXTableMouseDataKey");
const QString kTableNoteKey = QStringLiteral("kXTableNoteKey");

bool hasKeyWithPrefix(const QJsonObject& object, QLatin1StringView prefix)
{
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (it.key().startsWith(prefix))
            return true;
    }
    return false;
}

XArchiveKind kindOf(const QJsonObject& object)
{
    if (object.isEmpty())
        return XArchiveKind::None;
    if (hasKeyWithPrefix(object, QLatin1StringView("kXMouseData")))
        return XArchiveKind::MouseData;
    if (hasKeyWithPrefix(object, QLatin1StringView("kXTable")))
        return XArchiveKind::TableMouseData;
    return XArchiveKind::Other;
}
} // namespace

std::optional<QJsonObject> XArchiveObject(const QByteArray& archive)
{
    QJsonParseError error{};
    QJsonDocument document = QJsonDocument::fromJson(archive, &error);
    // A text written by something that did not check its encoding keeps its record; what
    // cannot be read shows as replacement characters.
    if (error.error == QJsonParseError::IllegalUTF8String)
        document = QJsonDocument::fromJson(QString::fromUtf8(archive).toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return document.object();
}

XArchiveKind XArchiveKindOf(const QByteArray& archive)
{
    const auto object = XArchiveObject(archive);
    return object ? kindOf(*object) : XArchiveKind::None;
}

XArchiveKind XArchiveKindOf(const QJsonObject& object)
{
    return kindOf(object);
}

std::optional<double> XLeadingNumberAsWritten(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    const auto isDigit = [&](qsizetype at) {
        return at < text.size() && text[at] >= u'0' && text[at] <= u'9';
    };
    // Digits past what a double tells apart only lengthen the text: those before the point
    // count into the exponent, those after it are left out.
    constexpr std::size_t kKept = 48;
    char digits[kKept + 32];
    std::size_t length = 0;
    long exponent = 0;
    bool any = false;
    for (; isDigit(i); ++i, any = true) {
        if (length < kKept)
            digits[length++] = static_cast<char>(text[i].unicode());
        else
            ++exponent;
    }
    if (i < text.size() && text[i] == u'.' && (any || isDigit(i + 1))) {
        digits[length++] = '.';
        for (++i; isDigit(i); ++i, any = true) {
            if (length < kKept)
                digits[length++] = static_cast<char>(text[i].unicode());
        }
    }
    if (!any)
        return std::nullopt;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        bool negativeExponent = false;
        if (j < text.size() && (text[j] == u'+' || text[j] == u'-'))
            negativeExponent = text[j++] == u'-';
        long written = 0;
        for (; isDigit(j); ++j)
            written = std::min(written * 10 + (text[j].unicode() - u'0'), 100000L);
        exponent += negativeExponent ? -written : written;
    }
    if (exponent != 0)
        length += static_cast<std::size_t>(std::snprintf(digits + length, 16, "e%ld", exponent));
    double value = 0;
    if (std::from_chars(digits, digits + length, value).ec == std::errc::result_out_of_range)
        value = exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -value : value;
}

double XLeadingNumber(QStringView text)
{
    const double value = XLeadingNumberAsWritten(text).value_or(0);
    return std::isfinite(value) ? value : 0;
}

std::uint64_t XDecodeUnsigned(const QJsonObject& object, const QString& key)
{
    const double value = object.value(key).toDouble(0);
    // Negative, non-finite or absurdly large values are damage; a fraction is cut off.
    if (!std::isfinite(value) || value < 0 || value >= 9.0e18)
        return 0;
    return static_cast<std::uint64_t>(value);
}

double XDecodeDouble(const QJsonObject& object, const QString& key)
{
    const double value = object.value(key).toDouble(0);
    return std::isfinite(value) ? value : 0;
}

QJsonObject XEncodeMouseData(const XMouseData& data)
{
    QJsonObject object;
    object.insert(kPointKey, QString::asprintf("%f,%f", data.mousePoint().x(), data.mousePoint().y()));
    object.insert(kIndexKey, static_cast<double>(data.index()));
    object.insert(kEventTypeKey, static_cast<double>(data.eventType()));
    object.insert(kClickCountKey, static_cast<double>(data.clickCount()));
    return object;
}

std::optional<XMouseData> XDecodeMouseData(const QJsonObject& object, const XStoredBounds& bounds)
{
    if (kindOf(object) != XArchiveKind::MouseData)
        return std::nullopt;
    XMouseData data;
    const QString point = object.value(kPointKey).toString();
    const qsizetype comma = point.indexOf(QLatin1Char(','));
    if (comma >= 0 && point.indexOf(QLatin1Char(','), comma + 1) < 0) {
        const QStringView text(point);
        const QPointF p(XLeadingNumberAsWritten(text.first(comma)).value_or(0),
                        XLeadingNumberAsWritten(text.sliced(comma + 1)).value_or(0));
        if (!bounds.containsPoint(p))
            return std::nullopt;
        data.setMousePoint(p);
    }
    data.setIndex(XDecodeUnsigned(object, kIndexKey));
    data.setEventType(static_cast<std::uint32_t>(
        std::min<std::uint64_t>(XDecodeUnsigned(object, kEventTypeKey), UINT32_MAX)));
    // No default here: a record stored without a click count clicks nothing.
    data.setClickCount(XDecodeUnsigned(object, kClickCountKey));
    return data;
}

QJsonObject XEncodeTableMouseData(const XTableMouseData& data)
{
    QJsonArray records;
    for (const XMouseData& record : data.mouseDatas())
        records.append(XEncodeMouseData(record));
    QJsonObject object;
    object.insert(kTableMouseDataKey, records);
    object.insert(kTableNoteKey, data.note());
    return object;
}

std::optional<XTableMouseData> XDecodeTableMouseData(const QJsonObject& object, const XStoredBounds& bounds)
{
    if (kindOf(object) != XArchiveKind::TableMouseData)
        return std::nullopt;
    std::vector<XMouseData> records;
    const QJsonArray elements = object.value(kTableMouseDataKey).toArray();
    records.reserve(static_cast<std::size_t>(elements.size()));
    // The bet ends at the first element that is not a click record, as a merge would; a
    // record out of bounds is left out.
    for (const QJsonValue& element : elements) {
        const QJsonObject record = element.toObject();
        if (kindOf(record) != XArchiveKind::MouseData)
            break;
        if (std::optional<XMouseData> data = XDecodeMouseData(record, bounds))
            records.push_back(*data);
    }
    XTableMouseData data;
    data.setMouseDatas(std::move(records));
    data.setNote(object.value(kTableNoteKey).toString());
    return data;
}

QByteArray XArchive(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QByteArray XArchiveMouseData(const XMouseData& data)
{
    return XArchive(XEncodeMouseData(data));
}

std::optional<XMouseData> XUnarchiveMouseDataWithin(const QByteArray& archive, const XStoredBounds& bounds)
{
    const auto object = XArchiveObject(archive);
    return object ? XDecodeMouseData(*object, bounds) : std::nullopt;
}

std::optional<XMouseData> XUnarchiveMouseData(const QByteArray& archive)
{
    return XUnarchiveMouseDataWithin(archive, XStoredBounds::ofDesktop());
}

QByteArray XArchiveTableMouseData(const XTableMouseData& data)
{
    return XArchive(XEncodeTableMouseData(data));
}

std::optional<XTableMouseData> XUnarchiveTableMouseDataWithin(const QByteArray& archive,
                                                              const XStoredBounds& bounds)
{
    const auto object = XArchiveObject(archive);
    return object ? XDecodeTableMouseData(*object, bounds) : std::nullopt;
}

std::optional<XTableMouseData> XUnarchiveTableMouseData(const QByteArray& archive)
{
    return XUnarchiveTableMouseDataWithin(archive, XStoredBounds::ofDesktop());
}

QVariant XArchivesToVariant(const QList<QByteArray>& archives)
{
    QVariantList list;
    for (const QByteArray& archive : archives)
        list.append(archive);
    return list;
}

std::optional<QList<QByteArray>> XArchivesFromVariant(const QVariant& value)
{
    if (value.typeId() != QMetaType::QVariantList)
        return std::nullopt;
    QList<QByteArray> archives;
    for (const QVariant& element : value.toList()) {
        if (element.typeId() == QMetaType::QByteArray)
            archives.append(element.toByteArray());
    }
    return archives;
}
