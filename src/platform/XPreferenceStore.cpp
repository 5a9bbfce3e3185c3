#include "XPreferenceStore.h"

#include "XLog.h"

XPreferenceStore::XPreferenceStore()
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             QStringLiteral("Tableclick"), QStringLiteral("Tableclick")))
{
}

XPreferenceStore::XPreferenceStore(const QString& filePath)
    : m_settings(std::make_unique<QSettings>(filePath, QSettings::IniFormat))
{
}

bool XPreferenceStore::containsKey(const QString& key) const
{
    return m_settings->contains(key);
}

QVariant XPreferenceStore::objectForKey(const QString& key) const
{
    return m_settings->value(key);
}

void XPreferenceStore::setObject(const QString& key, const QVariant& value)
{
    m_settings->setValue(key, value);
    if (m_writeObserver)
        m_writeObserver(key);
}

void XPreferenceStore::setInteger(const QString& key, qint64 value)
{
    setObject(key, value);
}

void XPreferenceStore::removeObjectForKey(const QString& key)
{
    m_settings->remove(key);
}

bool XPreferenceStore::synchronize()
{
    m_settings->sync();
    if (m_settings->status() != QSettings::NoError) {
        XLog("ERROR! the settings could not be written to %s", qPrintable(m_settings->fileName()));
        return false;
    }
    return true;
}

QString XPreferenceStore::fileName() const
{
    return m_settings->fileName();
}
