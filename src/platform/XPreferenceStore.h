#pragma once

#include <QSettings>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>

// The per-user key-value store that keeps everything between runs. Writes are atomic
// (QSettings replaces the file); values are read back without trust by their users.
class XPreferenceStore
{
public:
    // The user's store in ~/.config/Tableclick/ (XDG_CONFIG_HOME respected).
    XPreferenceStore();
    // A store in a file of its own (tests).
    explicit XPreferenceStore(const QString& filePath);

    bool containsKey(const QString& key) const;
    QVariant objectForKey(const QString& key) const;
    void setObject(const QString& key, const QVariant& value);
    void setInteger(const QString& key, qint64 value);
    void removeObjectForKey(const QString& key);
    // Writes to disk; false when the file could not be written.
    bool synchronize();
    QString fileName() const;
    // Told the key of every write, in order (tests check what is saved when).
    void setWriteObserver(std::function<void(const QString& key)> observer)
    {
        m_writeObserver = std::move(observer);
    }

private:
    std::unique_ptr<QSettings> m_settings;
    std::function<void(const QString&)> m_writeObserver;
};
