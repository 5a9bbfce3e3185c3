#include "XArchiving.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

#include <cmath>

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
    const QJsonDocument document = QJsonDocument::fromJson(archive, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return document.object();
}

XArchiveKind XArchiveKindOf(const QByteArray& archive)
{
    const auto object = XArchiveObject(archive);
    return object ? kindOf(*object) : XArchiveKind::None;
}

double XLeadingNumber(const QString& text)
{
    static const QRegularExpression number(
        QStringLiteral("^\\s*([+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?)"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return 0;
    const double value = match.captured(1).toDouble();
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

std::optional<XMouseData> XDecodeMouseData(const QJsonObject& object)
{
    if (kindOf(object) != XArchiveKind::MouseData)
        return std::nullopt;
    XMouseData data;
    const QStringList parts = object.value(kPointKey).toString().split(QLatin1Char(','));
    if (parts.size() == 2)
        data.setMousePoint({XLeadingNumber(parts[0]), XLeadingNumber(parts[1])});
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

std::optional<XTableMouseData> XDecodeTableMouseData(const QJsonObject& object)
{
    if (kindOf(object) != XArchiveKind::TableMouseData)
        return std::nullopt;
    std::vector<XMouseData> records;
    // The bet ends at the first element that is not a click record, as a merge would.
    for (const QJsonValue& element : object.value(kTableMouseDataKey).toArray()) {
        const std::optional<XMouseData> record = XDecodeMouseData(element.toObject());
        if (!record)
            break;
        records.push_back(*record);
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

std::optional<XMouseData> XUnarchiveMouseData(const QByteArray& archive)
{
    const auto object = XArchiveObject(archive);
    return object ? XDecodeMouseData(*object) : std::nullopt;
}

QByteArray XArchiveTableMouseData(const XTableMouseData& data)
{
    return XArchive(XEncodeTableMouseData(data));
}

std::optional<XTableMouseData> XUnarchiveTableMouseData(const QByteArray& archive)
{
    const auto object = XArchiveObject(archive);
    return object ? XDecodeTableMouseData(*object) : std::nullopt;
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
