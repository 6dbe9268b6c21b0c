#pragma once

#include <QAbstractTableModel>

class AmountList;

// The list dialog's results as a table of three columns, the amount as read,
// the rounded and the unrounded result, one row per line of the input: read
// from the list's logic as the view asks for what it shows, never a widget per
// line. A line not converted says why in place of its rounded result, marked.
class ListResultsModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit ListResultsModel(const AmountList &list, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The list's logic publishes a new conversion: the table shows it whole.
    template<typename Change>
    void change(Change &&publish)
    {
        beginResetModel();
        publish();
        endResetModel();
    }

private:
    const AmountList &m_list;
};
