#include "XSavedBetsModel.h"

#include <QCoreApplication>

XSavedBetsModel::XSavedBetsModel(std::vector<XTableMouseData>& savedBets,
                                 std::function<void(int, const QString&)> noteEdited, QObject* parent,
                                 std::function<void(int, const QString&)> nameEdited)
    : QAbstractTableModel(parent), m_savedBets(savedBets), m_noteEdited(std::move(noteEdited)),
      m_nameEdited(std::move(nameEdited))
{
}

void XSavedBetsModel::append(XTableMouseData savedBet)
{
    const int row = rowCount();
    beginInsertRows({}, row, row);
    m_savedBets.push_back(std::move(savedBet));
    endInsertRows();
}

void XSavedBetsModel::reload()
{
    beginResetModel();
    endResetModel();
}

void XSavedBetsModel::rowChanged(int row)
{
    if (row >= 0 && row < rowCount())
        Q_EMIT dataChanged(index(row, BetColumn), index(row, NoteColumn));
}

int XSavedBetsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_savedBets.size());
}

int XSavedBetsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant XSavedBetsModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    const XTableMouseData& saved = m_savedBets[static_cast<std::size_t>(index.row())];
    return index.column() == BetColumn ? saved.name() : saved.note();
}

QVariant XSavedBetsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == BetColumn)
        return QCoreApplication::translate("XGridManagerView", "Bet");
    if (section == NoteColumn)
        return QCoreApplication::translate("XGridManagerView", "Note");
    return {};
}

Qt::ItemFlags XSavedBetsModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

bool XSavedBetsModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole ||
        !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    const auto& edited = index.column() == BetColumn ? m_nameEdited : m_noteEdited;
    if (edited)
        edited(index.row(), value.toString());
    return true;
}
