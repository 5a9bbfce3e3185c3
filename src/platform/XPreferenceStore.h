#pragma once

#include "XStoreWriteResult.h"

#include <QSettings>
#include <QString>
#include <QVariant>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>

// The per-user key-value store that keeps everything between runs. Writes are atomic
// (QSettings replaces the file); values are read back without trust by their users.
// Any thread may use it; the file is written only when asked (write(), synchronize()),
// never behind the caller's back from the event loop.
class XPreferenceStore
{
public:
    // The user's store in ~/.config/Tableclick/ (XDG_CONFIG_HOME respected).
    XPreferenceStore();
    // A store in a file of its own (tests).
    explicit XPreferenceStore(const QString& filePath);
    ~XPreferenceStore();

    bool containsKey(const QString& key) const;
    QVariant objectForKey(const QString& key) const;
    void setObject(const QString& key, const QVariant& value);
    void setInteger(const QString& key, qint64 value);
    void removeObjectForKey(const QString& key);
    // Writes to disk; false when the file could not be written. While deferred, only
    // notes that a write is wanted and answers true.
    bool synchronize();
    // Writes to disk now, on the calling thread, and says what became of it.
    XStoreWriteResult write();
    // While set, synchronize() leaves the write to whoever set it (a background writer).
    void setSynchronizeDeferred(bool deferred) { m_synchronizeDeferred = deferred; }
    QString fileName() const;
    // Told the key of every write, in order (tests check what is saved when).
    void setWriteObserver(std::function<void(const QString& key)> observer)
    {
        m_writeObserver = std::move(observer);
    }

private:
    std::function<std::unique_ptr<QSettings>()> m_makeSettings;
    mutable std::mutex m_mutex;
    std::unique_ptr<QSettings> m_settings;
    // QSettings keeps its first error for good: after one, a fresh object tells the next.
    bool m_lastWriteFailed = false;
    std::atomic<bool> m_synchronizeDeferred{false};
    std::function<void(const QString&)> m_writeObserver;
};
