#pragma once

#include <QPointF>
#include <QString>

#include <cstdint>
#include <vector>

// One click record: a cell of the betting grid clicked clickCount times, or a free mouse
// action at an absolute screen point.
class XMouseData
{
public:
    XMouseData() = default;
    static XMouseData mouseDataWithIndex(std::uint64_t index, std::uint64_t clickCount);

    std::uint32_t eventType() const { return m_eventType; }
    void setEventType(std::uint32_t v) { m_eventType = v; }
    std::uint64_t index() const { return m_index; }
    void setIndex(std::uint64_t v) { m_index = v; }
    std::uint64_t clickCount() const { return m_clickCount; }
    void setClickCount(std::uint64_t v) { m_clickCount = v; }
    QPointF mousePoint() const { return m_mousePoint; }
    void setMousePoint(QPointF v) { m_mousePoint = v; }

    XMouseData copyMouseData() const { return *this; }
    // Exact comparison of all four fields.
    bool isEqual(const XMouseData& other) const;
    QString description() const;

private:
    std::uint32_t m_eventType = 0; // 1 left button down, 3 right button down
    std::uint64_t m_index = 0;
    std::uint64_t m_clickCount = 1;
    QPointF m_mousePoint;
};

// Click counts summed: a total past the largest count stays there, never wrapping round to
// a few clicks.
constexpr std::uint64_t XAddClickCounts(std::uint64_t a, std::uint64_t b)
{
    return b > UINT64_MAX - a ? UINT64_MAX : a + b;
}

// One press of a bet button: the records it adds to the bet, never edited afterwards.
using XClickGroup = std::vector<XMouseData>;
