#include "RateLimiter.h"

#include <algorithm>

RateLimiter::RateLimiter(int requestsPerMinute) : m_perMinute(requestsPerMinute) {}

double RateLimiter::refilled(const Bucket& bucket, qint64 nowMs) const
{
    const double elapsed = static_cast<double>(std::max<qint64>(nowMs - bucket.updatedMs, 0));
    return std::min<double>(m_perMinute, bucket.tokens + elapsed * m_perMinute / 60000.0);
}

bool RateLimiter::allow(const QString& client, qint64 nowMs)
{
    if (m_perMinute <= 0)
        return true;
    auto it = m_buckets.find(client);
    if (it == m_buckets.end())
        it = m_buckets.insert(client, Bucket{static_cast<double>(m_perMinute), nowMs});
    it->tokens = refilled(*it, nowMs);
    it->updatedMs = nowMs;
    if (it->tokens < 1.0)
        return false;
    it->tokens -= 1.0;
    return true;
}

void RateLimiter::forgetIdle(qint64 nowMs)
{
    for (auto it = m_buckets.begin(); it != m_buckets.end();) {
        if (refilled(*it, nowMs) >= m_perMinute)
            it = m_buckets.erase(it);
        else
            ++it;
    }
}
