#pragma once

#include "bets/XMouseData.h"
#include "bets/panel/XButton.h"

#include <vector>

// A button that keeps a list of mouse actions; an empty list means it holds none.
class XUserDefinedButton : public XButton
{
    Q_OBJECT
public:
    explicit XUserDefinedButton(const QString& title, QWidget* parent = nullptr);

    const std::vector<XMouseData>& dataSource() const { return m_dataSource; }
    void setDataSource(std::vector<XMouseData> records);
    // Keeps independent copies of the records, in order.
    void setCopyDataSource(const std::vector<XMouseData>& records);
    std::vector<XMouseData> copyDataSource() const;
    bool holdsRecords() const { return !m_dataSource.empty(); }
    // Each record's description followed by "\r\n"; "" for none.
    QString description() const;

Q_SIGNALS:
    void dataSourceChanged();

private:
    std::vector<XMouseData> m_dataSource;
};
