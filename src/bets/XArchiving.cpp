#include "XArchiving.h"

#include "platform/XLog.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string_view>

namespace {
const QString kPointKey = QStringLiteral("kXMouseDataPointKey");
const QString kIndexKey = QStringLiteral("kXMouseDataIndexKey");
const QString kEventTypeKey = QStringLiteral("kXMouseDataEventTypeKey");
const QString kClickCountKey = QStringLiteral("kXMouseDataClickCountKey");
const QString kTableMouseDataKey = QStringLiteral("kXTableMouseDataKey");
const QString kTableNoteKey = QStringLiteral("kXTableNoteKey");
// Written only for a bet with a name, so that the bets of older versions keep their bytes.
const QString kTableNameKey = QStringLiteral("kXTableNameKey");

bool hasKeyWithPrefix(const QJsonObject& object, QLatin1StringView prefix)
{
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (it.key().startsWith(prefix))
            return true;
    }
    return false;
}

// Archives are written straight as compact JSON text, as QJsonDocument writes them (keys
// in order): building JSON objects first made saving a store of many bets ten times slower.
// Appends `text` when it fits (the buffers are made long enough; this keeps it certain).
char* put(char* at, char* end, std::string_view text)
{
    if (static_cast<std::size_t>(end - at) < text.size())
        return at;
    std::memcpy(at, text.data(), text.size());
    return at + text.size();
}

// "%f" without the locale: a comma as decimal point would break the point's text. Zero is
// written unsigned, as QString::asprintf writes it. At most 317 characters, for -DBL_MAX.
char* putFixed(char* at, char* end, double value)
{
    // Whole numbers, as every cell's point is, the quick way.
    if (value == std::trunc(value) && std::abs(value) < 1e15) {
        if (value < 0)
            at = put(at, end, "-");
        at = std::to_chars(at, end, static_cast<std::uint64_t>(std::abs(value))).ptr;
        return put(at, end, ".000000");
    }
    return std::to_chars(at, end, value, std::chars_format::fixed, 6).ptr;
}

// A count or index, stored as the double it becomes in JSON.
char* putNumber(char* at, char* end, std::uint64_t value)
{
    if (value < (std::uint64_t{1} << 53))
        return std::to_chars(at, end, value).ptr;
    return std::to_chars(at, end, static_cast<double>(value)).ptr;
}

void appendString(QByteArray& out, const QByteArray& utf8)
{
    out.append('"');
    const char* run = utf8.constData();
    const char* const end = run + utf8.size();
    for (const char* at = run; at < end; ++at) {
        const auto u = static_cast<unsigned char>(*at);
        if (*at != '"' && *at != '\\' && u >= 0x20)
            continue;
        out.append(run, at - run);
        char escaped[8];
        if (u < 0x20)
            std::snprintf(escaped, sizeof escaped, "\\u%04x", u);
        else
            std::snprintf(escaped, sizeof escaped, "\\%c", *at);
        out.append(escaped);
        run = at + 1;
    }
    out.append(run, end - run).append('"');
}

void writeMouseData(QByteArray& out, const XMouseData& data)
{
    // Long enough for the keys, three numbers and two points as long as doubles make them.
    char text[1024];
    char* const end = text + sizeof text;
    char* at = put(text, end, "{\"kXMouseDataClickCountKey\":");
    at = putNumber(at, end, data.clickCount());
    at = put(at, end, ",\"kXMouseDataEventTypeKey\":");
    at = putNumber(at, end, data.eventType());
    at = put(at, end, ",\"kXMouseDataIndexKey\":");
    at = putNumber(at, end, data.index());
    at = put(at, end, ",\"kXMouseDataPointKey\":\"");
    at = putFixed(at, end, data.mousePoint().x());
    at = put(at, end, ",");
    at = putFixed(at, end, data.mousePoint().y());
    at = put(at, end, "\"}");
    out.append(text, at - text);
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

namespace {
enum class XPointRead
{
    Read,
    OutOfBounds,
    // Not two finite numbers: clicking it would click somewhere the user never chose.
    Damaged,
};

// One coordinate: a decimal number and nothing else ("%f" writes "12.500000"; older values
// such as "12.5", "-3" or " 7" read as before). from_chars also takes "nan" and "inf".
std::optional<double> readCoordinate(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    if (text.starts_with('+') && !text.starts_with("+-"))
        text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

XPointRead readPoint(std::string_view text, const XStoredBounds& bounds, XMouseData& data)
{
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos || text.find(',', comma + 1) != std::string_view::npos)
        return XPointRead::Damaged;
    const std::optional<double> x = readCoordinate(text.substr(0, comma));
    const std::optional<double> y = readCoordinate(text.substr(comma + 1));
    if (!x || !y)
        return XPointRead::Damaged;
    if (!bounds.containsPoint(QPointF(*x, *y)))
        return XPointRead::OutOfBounds;
    data.setMousePoint(QPointF(*x, *y));
    return XPointRead::Read;
}

void logDamagedPoint(const QJsonObject& object)
{
    const QJsonValue point = object.value(kPointKey);
    const QString shown = point.isString() ? QLatin1Char('"') + point.toString().left(64) + QLatin1Char('"')
                                           : QStringLiteral("missing or not a text");
    XLog("ERROR! a stored click record of cell %llu is left out: its point %s is damaged",
         static_cast<unsigned long long>(XDecodeUnsigned(object, kIndexKey)), qPrintable(shown));
}

// Reads the archives this program writes without building JSON objects first, which made
// loading many saved bets several times slower. Anything it does not expect, to the byte,
// makes it give up; the archive then goes the general way, which gives the same records.
class XArchiveScanner
{
public:
    explicit XArchiveScanner(const QByteArray& bytes) : m_at(bytes.constData()), m_end(m_at + bytes.size()) {}

    bool atEnd() const { return m_at == m_end; }
    bool literal(std::string_view text)
    {
        if (static_cast<std::size_t>(m_end - m_at) < text.size() ||
            std::memcmp(m_at, text.data(), text.size()))
            return false;
        m_at += text.size();
        return true;
    }
    // A whole number of up to 15 digits, which a double holds exactly.
    std::optional<std::uint64_t> number()
    {
        const char* start = m_at;
        std::uint64_t value = 0;
        while (m_at < m_end && *m_at >= '0' && *m_at <= '9' && m_at - start < 16)
            value = value * 10 + static_cast<std::uint64_t>(*m_at++ - '0');
        const std::ptrdiff_t digits = m_at - start;
        if (digits == 0 || digits > 15 || (digits > 1 && *start == '0'))
            return std::nullopt;
        return value;
    }
    // The bytes of a string without escapes or control characters.
    std::optional<std::string_view> string()
    {
        if (!literal("\""))
            return std::nullopt;
        const char* start = m_at;
        for (; m_at < m_end && *m_at != '"'; ++m_at) {
            if (*m_at == '\\' || static_cast<unsigned char>(*m_at) < 0x20)
                return std::nullopt;
        }
        if (m_at == m_end)
            return std::nullopt;
        return std::string_view(start, static_cast<std::size_t>(m_at++ - start));
    }
    // A record as writeMouseData writes it with a good point: nothing when it is not;
    // `inBounds` false when it is, but its point lies out of bounds.
    std::optional<XMouseData> mouseData(const XStoredBounds& bounds, bool& inBounds)
    {
        XMouseData data;
        std::optional<std::uint64_t> count, type, index;
        std::optional<std::string_view> point;
        if (!literal("{\"kXMouseDataClickCountKey\":") || !(count = number()) ||
            !literal(",\"kXMouseDataEventTypeKey\":") || !(type = number()) ||
            !literal(",\"kXMouseDataIndexKey\":") || !(index = number()) ||
            !literal(",\"kXMouseDataPointKey\":") || !(point = string()) || !literal("}"))
            return std::nullopt;
        data.setClickCount(*count);
        data.setEventType(static_cast<std::uint32_t>(std::min<std::uint64_t>(*type, UINT32_MAX)));
        data.setIndex(*index);
        const XPointRead read = readPoint(*point, bounds, data);
        // Damage is rare: the general way reads it and says so, once.
        if (read == XPointRead::Damaged)
            return std::nullopt;
        inBounds = read == XPointRead::Read;
        return data;
    }

private:
    const char* m_at;
    const char* m_end;
};

std::optional<XMouseData> scanMouseData(const QByteArray& archive, const XStoredBounds& bounds, bool& handled)
{
    XArchiveScanner scanner(archive);
    bool inBounds = true;
    std::optional<XMouseData> data = scanner.mouseData(bounds, inBounds);
    handled = data && scanner.atEnd();
    return handled && inBounds ? data : std::nullopt;
}

std::optional<XTableMouseData> scanTableMouseData(const QByteArray& archive, const XStoredBounds& bounds,
                                                  bool& handled)
{
    handled = false;
    XArchiveScanner scanner(archive);
    if (!scanner.literal("{\"kXTableMouseDataKey\":["))
        return std::nullopt;
    std::vector<XMouseData> records;
    for (bool first = true; !scanner.literal("]"); first = false) {
        if (!first && !scanner.literal(","))
            return std::nullopt;
        bool inBounds = true;
        std::optional<XMouseData> record = scanner.mouseData(bounds, inBounds);
        if (!record)
            return std::nullopt;
        if (inBounds)
            records.push_back(*record);
    }
    std::optional<std::string_view> name, note;
    if (scanner.literal(",\"kXTableNameKey\":") && !(name = scanner.string()))
        return std::nullopt;
    if (!scanner.literal(",\"kXTableNoteKey\":") || !(note = scanner.string()) || !scanner.literal("}") ||
        !scanner.atEnd())
        return std::nullopt;
    handled = true;
    XTableMouseData data;
    data.setMouseDatas(std::move(records));
    if (name)
        data.setName(QString::fromUtf8(name->data(), static_cast<qsizetype>(name->size())));
    data.setNote(QString::fromUtf8(note->data(), static_cast<qsizetype>(note->size())));
    return data;
}
} // namespace

std::optional<XMouseData> XDecodeMouseData(const QJsonObject& object, const XStoredBounds& bounds)
{
    if (kindOf(object) != XArchiveKind::MouseData)
        return std::nullopt;
    XMouseData data;
    const QByteArray point = object.value(kPointKey).toString().toUtf8();
    switch (readPoint(std::string_view(point.constData(), static_cast<std::size_t>(point.size())), bounds,
                      data)) {
    case XPointRead::Read:
        break;
    case XPointRead::OutOfBounds:
        return std::nullopt;
    case XPointRead::Damaged:
        logDamagedPoint(object);
        return std::nullopt;
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
    if (!data.name().isEmpty())
        object.insert(kTableNameKey, data.name());
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
    data.setName(object.value(kTableNameKey).toString());
    data.setNote(object.value(kTableNoteKey).toString());
    return data;
}

QByteArray XArchive(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QByteArray XArchiveMouseData(const XMouseData& data)
{
    QByteArray out;
    out.reserve(128);
    writeMouseData(out, data);
    return out;
}

std::optional<XMouseData> XUnarchiveMouseDataWithin(const QByteArray& archive, const XStoredBounds& bounds)
{
    bool handled = false;
    if (std::optional<XMouseData> data = scanMouseData(archive, bounds, handled); handled)
        return data;
    const auto object = XArchiveObject(archive);
    return object ? XDecodeMouseData(*object, bounds) : std::nullopt;
}

std::optional<XMouseData> XUnarchiveMouseData(const QByteArray& archive)
{
    return XUnarchiveMouseDataWithin(archive, XStoredBounds::ofDesktop());
}

QByteArray XArchiveTableMouseData(const XTableMouseData& data)
{
    QByteArray out;
    const QByteArray note = data.note().toUtf8();
    out.reserve(static_cast<qsizetype>(data.mouseDatas().size()) * 128 + note.size() + 48);
    out.append("{\"kXTableMouseDataKey\":[");
    for (std::size_t i = 0; i < data.mouseDatas().size(); ++i) {
        if (i)
            out.append(',');
        writeMouseData(out, data.mouseDatas()[i]);
    }
    out.append(']');
    if (!data.name().isEmpty()) {
        out.append(",\"kXTableNameKey\":");
        appendString(out, data.name().toUtf8());
    }
    out.append(",\"kXTableNoteKey\":");
    appendString(out, note);
    out.append('}');
    return out;
}

QByteArray XKeptArchiveTableMouseData(const XTableMouseData& data)
{
    if (data.keptArchive().isEmpty())
        data.keepArchive(XArchiveTableMouseData(data));
    return data.keptArchive();
}

std::optional<XTableMouseData> XUnarchiveTableMouseDataWithin(const QByteArray& archive,
                                                              const XStoredBounds& bounds)
{
    bool handled = false;
    if (std::optional<XTableMouseData> data = scanTableMouseData(archive, bounds, handled); handled)
        return data;
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
