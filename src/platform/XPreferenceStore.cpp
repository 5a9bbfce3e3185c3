#include "XPreferenceStore.h"

#include "XLog.h"

#include <QEvent>

namespace {
// QSettings writes itself from the event loop of its thread after every change; the store
// decides when and on which thread the file is written.
class XQuietSettings final : public QSettings
{
public:
    using QSettings::QSettings;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::UpdateRequest)
            return true;
        return QSettings::event(event);
    }
};
} // namespace

XPreferenceStore::XPreferenceStore()
    : m_makeSettings([] {
          return std::make_unique<XQuietSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                  QStringLiteral("Tableclick"), QStringLiteral("Tableclick"));
      }),
      m_settings(m_makeSettings())
{
}

XPreferenceStore::XPreferenceStore(const QString& filePath)
    : m_makeSettings([filePath] { return std::make_unique<XQuietSettings>(filePath, QSettings::IniFormat); }),
      m_settings(m_makeSettings())
{
}

XPreferenceStore::~XPreferenceStore() = default;

bool XPreferenceStore::containsKey(const QString& key) const
{
    const std::lock_guard lock(m_mutex);
    return m_settings->contains(key);
}

QVariant XPreferenceStore::objectForKey(const QString& key) const
{
    const std::lock_guard lock(m_mutex);
    return m_settings->value(key);
}

void XPreferenceStore::setObject(const QString& key, const QVariant& value)
{
    {
        const std::lock_guard lock(m_mutex);
        m_settings->setValue(key, value);
    }
    if (m_writeObserver)
        m_writeObserver(key);
}

void XPreferenceStore::setInteger(const QString& key, qint64 value)
{
    setObject(key, value);
}

void XPreferenceStore::removeObjectForKey(const QString& key)
{
    const std::lock_guard lock(m_mutex);
    m_settings->remove(key);
}

bool XPreferenceStore::synchronize()
{
    if (m_synchronizeDeferred)
        return true;
    return write().written();
}

XStoreWriteResult XPreferenceStore::write()
{
    const std::lock_guard lock(m_mutex);
    if (m_lastWriteFailed) {
        // Settings objects of one file share what they hold in memory, unwritten changes
        // included, so the fresh one starts where the old one stopped.
        std::unique_ptr<QSettings> fresh = m_makeSettings();
        // Made on whichever thread writes; it belongs with the one it replaces.
        fresh->moveToThread(m_settings->thread());
        m_settings.swap(fresh);
    }
    m_settings->sync();
    XStoreWriteResult result;
    result.fileName = m_settings->fileName();
    switch (m_settings->status()) {
    case QSettings::NoError:
        break;
    case QSettings::FormatError:
        result.kind = XStoreWriteResult::WrittenOverUnreadableFile;
        XLog("ERROR! the settings in %s could not be read; they were written again from memory",
             qPrintable(result.fileName));
        break;
    case QSettings::AccessError:
        result.kind = XStoreWriteResult::NotWritten;
        result.reason = XWhyNotWritable(result.fileName);
        XLog("ERROR! the settings could not be written to %s: %s", qPrintable(result.fileName),
             qPrintable(result.reason));
        break;
    }
    m_lastWriteFailed = result.kind != XStoreWriteResult::Written;
    return result;
}

QString XPreferenceStore::fileName() const
{
    const std::lock_guard lock(m_mutex);
    return m_settings->fileName();
}
