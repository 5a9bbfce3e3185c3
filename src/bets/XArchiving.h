#pragma once

#include "XMouseData.h"
#include "XStoredBounds.h"
#include "XTableMouseData.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QVariant>

#include <functional>
#include <optional>
#include <vector>

// Keyed archives: each record is a compact JSON object holding exactly its keys, stored
// as bytes. Decoding trusts nothing: a value of the wrong kind reads as empty, bytes that
// are no archive of the record restore to nothing, and so does a record whose geometry
// lies outside the bounds (it is skipped like a malformed one, never moved into them) or
// whose click point is not two finite numbers (logged, never clicked at (0, 0)).
// Text that is not valid UTF-8 is read with replacement characters.

enum class XArchiveKind
{
    None,
    MouseData,
    TableMouseData,
    Other
};
// What an archive holds, told by its keys; None for bytes that are no archive.
XArchiveKind XArchiveKindOf(const QByteArray& archive);
XArchiveKind XArchiveKindOf(const QJsonObject& object);
std::optional<QJsonObject> XArchiveObject(const QByteArray& archive);

QJsonObject XEncodeMouseData(const XMouseData& data);
std::optional<XMouseData> XDecodeMouseData(const QJsonObject& object,
                                           const XStoredBounds& bounds = XStoredBounds::ofDesktop());
QJsonObject XEncodeTableMouseData(const XTableMouseData& data);
std::optional<XTableMouseData>
XDecodeTableMouseData(const QJsonObject& object, const XStoredBounds& bounds = XStoredBounds::ofDesktop());

QByteArray XArchive(const QJsonObject& object);
QByteArray XArchiveMouseData(const XMouseData& data);
std::optional<XMouseData> XUnarchiveMouseDataWithin(const QByteArray& archive, const XStoredBounds& bounds);
// Within the bounds of the monitors Qt knows now.
std::optional<XMouseData> XUnarchiveMouseData(const QByteArray& archive);
QByteArray XArchiveTableMouseData(const XTableMouseData& data);
// The same bytes, encoded only when the saved bet changed since its last archive.
QByteArray XKeptArchiveTableMouseData(const XTableMouseData& data);
std::optional<XTableMouseData> XUnarchiveTableMouseDataWithin(const QByteArray& archive,
                                                              const XStoredBounds& bounds);
// Within the bounds of the monitors Qt knows now.
std::optional<XTableMouseData> XUnarchiveTableMouseData(const QByteArray& archive);

// One archive per record, in order; a record whose archive is empty is left out.
template <typename Record>
QList<QByteArray> archivedData(const std::vector<Record>& records,
                               const std::function<QByteArray(const Record&)>& archive)
{
    QList<QByteArray> result;
    for (const Record& record : records) {
        QByteArray bytes = archive(record);
        if (!bytes.isEmpty())
            result.append(std::move(bytes));
    }
    return result;
}

// The records restored from the archives, in order; an archive that restores to
// nothing is left out.
template <typename Record>
std::vector<Record> unArchivedData(const QList<QByteArray>& archives,
                                   const std::function<std::optional<Record>(const QByteArray&)>& unarchive)
{
    std::vector<Record> result;
    for (const QByteArray& bytes : archives) {
        if (std::optional<Record> record = unarchive(bytes))
            result.push_back(std::move(*record));
    }
    return result;
}

// An array of archives as the preference store keeps it, and back: nothing when the
// stored value is no array; elements that are not bytes are left out.
QVariant XArchivesToVariant(const QList<QByteArray>& archives);
std::optional<QList<QByteArray>> XArchivesFromVariant(const QVariant& value);

// Helpers for record codings: numbers and strings read defensively.
std::uint64_t XDecodeUnsigned(const QJsonObject& object, const QString& key);
double XDecodeDouble(const QJsonObject& object, const QString& key);
// The leading decimal number of a text, 0 when there is none or it is not finite
// (" 2.5ms" reads 2.5). ASCII digits only.
double XLeadingNumber(QStringView text);
// The same, as written: nothing when there is no number, infinity when it overflows.
std::optional<double> XLeadingNumberAsWritten(QStringView text);
