#pragma once

#include "XMouseData.h"

#include <QByteArray>
#include <QString>

// A saved bet: the merged bet, its name and the user's note for it.
class XTableMouseData
{
public:
    const std::vector<XMouseData>& mouseDatas() const { return m_mouseDatas; }
    void setMouseDatas(std::vector<XMouseData> v)
    {
        m_mouseDatas = std::move(v);
        m_archive.clear();
    }
    QString note() const { return m_note; }
    // A missing (null) note is kept as "".
    void setNote(const QString& note)
    {
        m_note = note.isNull() ? QStringLiteral("") : note;
        m_archive.clear();
    }
    // "" for a bet saved before bets had names.
    QString name() const { return m_name; }
    void setName(const QString& name)
    {
        m_name = name.isNull() ? QStringLiteral("") : name;
        m_archive.clear();
    }
    // The archive last made of it, empty once it changes: a save re-encodes only the saved
    // bets that changed since the last one.
    const QByteArray& keptArchive() const { return m_archive; }
    void keepArchive(const QByteArray& archive) const { m_archive = archive; }

private:
    std::vector<XMouseData> m_mouseDatas;
    QString m_note = QStringLiteral("");
    QString m_name = QStringLiteral("");
    mutable QByteArray m_archive;
};
