#include "XUserDefinedButton.h"

XUserDefinedButton::XUserDefinedButton(const QString& title, QWidget* parent) : XButton(title, parent) {}

void XUserDefinedButton::setDataSource(std::vector<XMouseData> records)
{
    m_dataSource = std::move(records);
    Q_EMIT dataSourceChanged();
}

void XUserDefinedButton::setCopyDataSource(const std::vector<XMouseData>& records)
{
    std::vector<XMouseData> copies;
    copies.reserve(records.size());
    for (const XMouseData& record : records)
        copies.push_back(record.copyMouseData());
    setDataSource(std::move(copies));
}

std::vector<XMouseData> XUserDefinedButton::copyDataSource() const
{
    std::vector<XMouseData> copies;
    copies.reserve(m_dataSource.size());
    for (const XMouseData& record : m_dataSource)
        copies.push_back(record.copyMouseData());
    return copies;
}

QString XUserDefinedButton::description() const
{
    QString text;
    for (const XMouseData& record : m_dataSource)
        text += record.description() + QStringLiteral("\r\n");
    return text;
}
