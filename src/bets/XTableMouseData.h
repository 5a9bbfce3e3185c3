#pragma once

#include "XMouseData.h"

#include <QString>

// A saved bet: the merged bet and the user's note for it.
class XTableMouseData
{
public:
    const std::vector<XMouseData>& mouseDatas() const { return m_mouseDatas; }
    void setMouseDatas(std::vector<XMouseData> v) { m_mouseDatas = std::move(v); }
    QString note() const { return m_note; }
    // A missing (null) note is kept as "".
    void setNote(const QString& note) { m_note = note.isNull() ? QStringLiteral("") : note; }

private:
    std::vector<XMouseData> m_mouseDatas;
    QString m_note = QStringLiteral("");
};
