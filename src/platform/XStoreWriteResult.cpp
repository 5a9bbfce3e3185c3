#include "XStoreWriteResult.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

namespace {
// Less room than this on the disk is as good as none for a settings file.
constexpr qint64 kLeastFreeBytes = 64 * 1024;
} // namespace

QString XWhyNotWritable(const QString& filePath)
{
    const QFileInfo file(filePath);
    if (file.isDir())
        return QCoreApplication::translate("XStoreWriteResult", "the path is a folder, not a file");
    const QFileInfo folder(file.absolutePath());
    if (!folder.exists() && !QDir().mkpath(folder.absoluteFilePath()))
        return QCoreApplication::translate("XStoreWriteResult", "the folder %1 cannot be made")
            .arg(folder.absoluteFilePath());
    if (!folder.isDir())
        return QCoreApplication::translate("XStoreWriteResult", "%1 is not a folder")
            .arg(folder.absoluteFilePath());
    QSaveFile probe(filePath);
    if (!probe.open(QIODevice::WriteOnly))
        return probe.errorString();
    probe.cancelWriting();
    const QStorageInfo storage(folder.absoluteFilePath());
    if (storage.isReadOnly())
        return QCoreApplication::translate("XStoreWriteResult", "the disk is read-only");
    if (storage.isValid() && storage.bytesAvailable() < kLeastFreeBytes)
        return QCoreApplication::translate("XStoreWriteResult", "the disk is full");
    return QCoreApplication::translate("XStoreWriteResult", "the file could not be written");
}
