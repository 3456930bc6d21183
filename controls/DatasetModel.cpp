#include "controls/DatasetModel.h"

#include "content/DataSource.h"

namespace {

const QString browseLeft = QStringLiteral("\u25C0");   // ◀
const QString browseRight = QStringLiteral("\u25B6");  // ▶
const QString editing = QStringLiteral("I");           // the caret of a text being changed
const QString inserting = QStringLiteral("*");

} // namespace

DatasetModel::DatasetModel(DataSource *source, const QString &field, const QString &title, QObject *parent)
    : QAbstractTableModel(parent), m_source(source), m_field(field), m_title(title)
{
    connect(source, &DataSource::reset, this, &DatasetModel::resetAll);
    connect(source, &DataSource::rowInserted, this, &DatasetModel::rowInserted);
    connect(source, &DataSource::rowRemoved, this, &DatasetModel::rowRemoved);
    connect(source, &DataSource::rowChanged, this, &DatasetModel::rowChanged);
    connect(source, &DataSource::currentChanged, this, &DatasetModel::markCurrent);
    connect(source, &DataSource::stateChanged, this, &DatasetModel::markCurrent);
    resetAll();
}

Dataset *DatasetModel::dataset() const
{
    return m_source->dataset();
}

QStringList DatasetModel::marks()
{
    return {browseLeft, browseRight, inserting, editing};
}

void DatasetModel::setLayoutDirection(Qt::LayoutDirection direction)
{
    m_direction = direction;
    if (m_marked >= 0)
        emit headerDataChanged(Qt::Vertical, m_marked, m_marked);
}

// The dataset has already changed when it tells us; the counts the views
// were given are kept here so that every notice matches what they knew.
void DatasetModel::resetAll()
{
    beginResetModel();
    const Dataset *records = dataset();
    m_rows = records ? records->rowCount() : 0;
    m_column = records ? records->fieldIndex(m_field) : -1;
    m_marked = records ? records->currentRow() : -1;
    endResetModel();
}

void DatasetModel::rowInserted(int row)
{
    beginInsertRows({}, row, row);
    ++m_rows;
    if (m_marked >= row)
        ++m_marked;
    endInsertRows();
}

void DatasetModel::rowRemoved(int row)
{
    beginRemoveRows({}, row, row);
    --m_rows;
    if (m_marked == row)
        m_marked = -1;
    else if (m_marked > row)
        --m_marked;
    endRemoveRows();
}

void DatasetModel::rowChanged(int row)
{
    if (row < 0 || row >= m_rows)
        return;
    emit dataChanged(index(row, 0), index(row, 0));
    emit headerDataChanged(Qt::Vertical, row, row);
}

void DatasetModel::markCurrent()
{
    const int previous = m_marked;
    m_marked = dataset() ? dataset()->currentRow() : -1;
    if (previous >= 0 && previous < m_rows)
        emit headerDataChanged(Qt::Vertical, previous, previous);
    if (m_marked >= 0 && m_marked < m_rows && m_marked != previous)
        emit headerDataChanged(Qt::Vertical, m_marked, m_marked);
}

QString DatasetModel::mark() const
{
    switch (dataset()->state()) {
    case Dataset::State::Edit:
        return editing;
    case Dataset::State::Insert:
        return inserting;
    default:
        return m_direction == Qt::RightToLeft ? browseLeft : browseRight;
    }
}

int DatasetModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int DatasetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 1;
}

QVariant DatasetModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return dataset()->text(index.row(), m_column);
}

QVariant DatasetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section == 0 ? QVariant(m_title) : QVariant();
    return section == m_marked && section == dataset()->currentRow() ? mark() : QString();
}

Qt::ItemFlags DatasetModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (hasField() && index.row() == dataset()->currentRow())
        flags |= Qt::ItemIsEditable;
    return flags;
}

