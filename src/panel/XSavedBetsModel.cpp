#include "XSavedBetsModel.h"

#include <QCoreApplication>

XSavedBetsModel::XSavedBetsModel(std::vector<XTableMouseData>& savedBets,
                                 std::function<void(int, const QString&)> noteEdited, QObject* parent)
    : QAbstractTableModel(parent), m_savedBets(savedBets), m_noteEdited(std::move(noteEdited))
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
    if (index.column() == BetColumn)
        return QString::asprintf("record%ld", static_cast<long>(index.row()));
    return m_savedBets[static_cast<std::size_t>(index.row())].note();
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
    const Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    return index.column() == NoteColumn ? flags | Qt::ItemIsEditable : flags;
}

bool XSavedBetsModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || index.column() != NoteColumn ||
        !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    if (m_noteEdited)
        m_noteEdited(index.row(), value.toString());
    return true;
}
