#pragma once

#include "bets/XTableMouseData.h"

#include <QAbstractTableModel>

#include <functional>
#include <vector>

// The saved-bet table: the name and the note of each saved bet, read from the controller's
// list as rows are shown (a store of many bets makes no item per cell). An edit of a name
// goes to `nameEdited`, of a note to `noteEdited`. A row added through it keeps the
// selection of the others.
class XSavedBetsModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column
    {
        BetColumn,
        NoteColumn,
        ColumnCount
    };

    XSavedBetsModel(std::vector<XTableMouseData>& savedBets,
                    std::function<void(int row, const QString& note)> noteEdited, QObject* parent = nullptr,
                    std::function<void(int row, const QString& name)> nameEdited = {});

    void append(XTableMouseData savedBet);
    // After rows were removed or replaced in the list (the labels below renumber).
    void reload();
    // After one row's name or note changed.
    void rowChanged(int row);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    std::vector<XTableMouseData>& m_savedBets;
    std::function<void(int, const QString&)> m_noteEdited;
    std::function<void(int, const QString&)> m_nameEdited;
};
