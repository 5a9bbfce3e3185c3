#pragma once

#include "XStoreWriteResult.h"

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

class XPreferenceStore;

// Writes the store to its file on a thread of its own, so that whoever asks pays nothing
// for the disk. Requests made while a write runs are served by one more write after it.
class XPreferenceWriter
{
public:
    // `written` is called on the writer's thread after each write.
    XPreferenceWriter(XPreferenceStore& store, std::function<void(const XStoreWriteResult&)> written);
    // Finishes a requested write, then stops.
    ~XPreferenceWriter();
    XPreferenceWriter(const XPreferenceWriter&) = delete;
    XPreferenceWriter& operator=(const XPreferenceWriter&) = delete;

    void requestWrite();
    // True from a request until its write has finished.
    bool isBusy() const;

private:
    void run();

    XPreferenceStore& m_store;
    std::function<void(const XStoreWriteResult&)> m_written;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_requested = false;
    bool m_writing = false;
    bool m_stopping = false;
    std::thread m_thread;
};
