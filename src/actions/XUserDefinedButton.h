#pragma once

#include "bets/XMouseData.h"
#include "panel/XButton.h"

#include <optional>
#include <vector>

class QAction;

// A button that keeps a list of mouse actions; an empty list means it holds none. The list
// it held before its last replacement can be given back once, from its context menu; only
// for this session: what is stored is the list it holds.
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
    // Takes copies of the records, keeping the list it held for one undo.
    void replaceWithCopyDataSource(const std::vector<XMouseData>& records);
    bool canUndoReplace() const { return m_replaced.has_value(); }
    // Gives back the list held before the last replacement.
    void undoReplace();
    QAction* undoReplaceAction() const { return m_undoReplaceAction; }
    bool holdsRecords() const { return !m_dataSource.empty(); }
    // Each record's description followed by "\r\n"; "" for none.
    QString description() const;

Q_SIGNALS:
    void dataSourceChanged();

private:
    void assign(std::vector<XMouseData> records, std::optional<std::vector<XMouseData>> replaced);

    std::vector<XMouseData> m_dataSource;
    std::optional<std::vector<XMouseData>> m_replaced;
    QAction* m_undoReplaceAction;
};
