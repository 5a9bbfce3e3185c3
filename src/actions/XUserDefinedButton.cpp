#include "XUserDefinedButton.h"

#include <QAction>

namespace {
std::vector<XMouseData> copies(const std::vector<XMouseData>& records)
{
    std::vector<XMouseData> result;
    result.reserve(records.size());
    for (const XMouseData& record : records)
        result.push_back(record.copyMouseData());
    return result;
}
} // namespace

XUserDefinedButton::XUserDefinedButton(const QString& title, QWidget* parent)
    : XButton(title, parent), m_undoReplaceAction(new QAction(tr("Undo replace"), this))
{
    m_undoReplaceAction->setEnabled(false);
    connect(m_undoReplaceAction, &QAction::triggered, this, &XUserDefinedButton::undoReplace);
    addAction(m_undoReplaceAction);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void XUserDefinedButton::setDataSource(std::vector<XMouseData> records)
{
    assign(std::move(records), std::nullopt);
}

void XUserDefinedButton::setCopyDataSource(const std::vector<XMouseData>& records)
{
    assign(copies(records), std::nullopt);
}

void XUserDefinedButton::replaceWithCopyDataSource(const std::vector<XMouseData>& records)
{
    assign(copies(records), m_dataSource);
}

void XUserDefinedButton::undoReplace()
{
    if (m_replaced)
        assign(*std::move(m_replaced), std::nullopt);
}

// Any change but a replacement forgets the undo: it would give back a list older than the
// one the user last saw.
void XUserDefinedButton::assign(std::vector<XMouseData> records,
                                std::optional<std::vector<XMouseData>> replaced)
{
    m_dataSource = std::move(records);
    m_replaced = std::move(replaced);
    m_undoReplaceAction->setEnabled(m_replaced.has_value());
    Q_EMIT dataSourceChanged();
}

std::vector<XMouseData> XUserDefinedButton::copyDataSource() const
{
    return copies(m_dataSource);
}

QString XUserDefinedButton::description() const
{
    QString text;
    for (const XMouseData& record : m_dataSource)
        text += record.description() + QStringLiteral("\r\n");
    return text;
}
