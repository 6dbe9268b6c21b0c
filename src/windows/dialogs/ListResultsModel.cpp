#include "windows/dialogs/ListResultsModel.h"

#include "app/logic/AmountList.h"

#include <QColor>

ListResultsModel::ListResultsModel(const AmountList &list, QObject *parent)
    : QAbstractTableModel(parent)
    , m_list(list)
{
}

int ListResultsModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : m_list.lineCount(); }

int ListResultsModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : 3; }

QVariant ListResultsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int line = index.row();
    const ListLine::Kind kind = m_list.kind(line);
    const bool refused = kind == ListLine::Kind::Refused || kind == ListLine::Kind::Overflow;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        switch (index.column()) {
        case 0:
            return m_list.asRead(line);
        case 1:
            return m_list.roundedText(line);
        default:
            return m_list.unroundedText(line);
        }
    case Qt::ToolTipRole:
        return refused ? m_list.roundedText(line) : QVariant();
    case Qt::TextAlignmentRole:
        // Numbers end at the right, where their decimal separators line up; a reason reads from the left.
        return QVariant::fromValue(Qt::AlignVCenter
                                   | (index.column() == 1 && refused ? Qt::AlignLeft : Qt::AlignRight));
    case Qt::ForegroundRole:
        return refused ? QVariant(QColor(Qt::darkRed)) : QVariant();
    default:
        return {};
    }
}

QVariant ListResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    // The rows are numbered as the lines of the input, which the summary names.
    return orientation == Qt::Horizontal ? m_list.columnTitle(section) : QVariant(section + 1);
}
