#include "XPreferenceWriter.h"

#include "XPreferenceStore.h"

XPreferenceWriter::XPreferenceWriter(XPreferenceStore& store,
                                     std::function<void(const XStoreWriteResult&)> written)
    : m_store(store), m_written(std::move(written)), m_thread([this] { run(); })
{
}

XPreferenceWriter::~XPreferenceWriter()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void XPreferenceWriter::requestWrite()
{
    {
        const std::lock_guard lock(m_mutex);
        m_requested = true;
    }
    m_wake.notify_one();
}

bool XPreferenceWriter::isBusy() const
{
    const std::lock_guard lock(m_mutex);
    return m_requested || m_writing;
}

void XPreferenceWriter::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_requested || m_stopping; });
        if (!m_requested)
            return;
        m_requested = false;
        m_writing = true;
        lock.unlock();
        const XStoreWriteResult result = m_store.write();
        if (m_written)
            m_written(result);
        lock.lock();
        m_writing = false;
    }
}
