#pragma once

#include <QAbstractTableModel>

class DataSource;
class Dataset;

// The records of a data source's dataset as a one-column table: the column
// shows one field of every record, in the dataset's order, and the vertical
// header marks the current record and whether it is being edited or is new.
class DatasetModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    DatasetModel(DataSource *source, const QString &field, const QString &title, QObject *parent = nullptr);

    Dataset *dataset() const;
    bool hasField() const { return m_column >= 0; }

    // Which way the current record's arrow points: at the cells, which lie to
    // its left in a right-to-left grid.
    void setLayoutDirection(Qt::LayoutDirection direction);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // The current record's cell can be opened for editing; the view's editor
    // stores what is typed through the data source itself.
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // The indicator texts, widest first, for sizing the indicator column.
    static QStringList marks();

private:
    void resetAll();
    void rowInserted(int row);
    void rowRemoved(int row);
    void rowChanged(int row);
    void markCurrent();
    QString mark() const;

    DataSource *m_source;
    QString m_field;
    QString m_title;
    int m_column = -1;
    int m_rows = 0;     // what the views were last told
    int m_marked = -1;  // the row whose indicator is shown
    Qt::LayoutDirection m_direction = Qt::LeftToRight;
};
