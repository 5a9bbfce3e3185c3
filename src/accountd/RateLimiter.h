#pragma once

#include <QHash>
#include <QString>

// A token bucket per client address: a minute's worth of requests may come at once, then
// they refill evenly. Lives on the event loop's thread; time comes from the caller.
class RateLimiter
{
public:
    // 0 switches the limit off.
    explicit RateLimiter(int requestsPerMinute);

    bool allow(const QString& client, qint64 nowMs);
    // Forgets clients whose bucket is full again; keeps the table small.
    void forgetIdle(qint64 nowMs);
    qsizetype trackedClients() const { return m_buckets.size(); }

private:
    struct Bucket
    {
        double tokens = 0;
        qint64 updatedMs = 0;
    };
    double refilled(const Bucket& bucket, qint64 nowMs) const;

    int m_perMinute;
    QHash<QString, Bucket> m_buckets;
};
