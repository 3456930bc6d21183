#pragma once

#include "content/Connection.h"
#include "content/DataSource.h"
#include "content/Query.h"
#include "content/SlotTable.h"

#include <QObject>
#include <array>
#include <functional>

// The connection and, for each slot, its query, companion table object and
// their data sources, named as the slot table names them.
class ContentData : public QObject
{
    Q_OBJECT
public:
    struct SlotData {
        Query *query;
        DataSource *source;          // the query's, bound to the view
        TableDataset *companion;
        DataSource *companionSource;
    };

    explicit ContentData(const QString &connectionString, QObject *parent = nullptr);

    Connection *connection() const { return m_connection; }
    const SlotData &slot(Slot slot) const { return m_slots[slotIndex(slot)]; }
    Query *query(Slot slot) const { return m_slots[slotIndex(slot)].query; }
    DataSource *source(Slot slot) const { return m_slots[slotIndex(slot)].source; }

    // Opens the connection, then every dataset in layout order: each slot's
    // companion table object, then its query. A failure is handed to `report`
    // at once and the next opening follows.
    void openAll(const std::function<void(const QString &)> &report);

private:
    Connection *m_connection;
    std::array<SlotData, SlotCount> m_slots;
};
