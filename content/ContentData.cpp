#include "content/ContentData.h"
#include "content/DataError.h"
#include "content/Statements.h"

ContentData::ContentData(const QString &connectionString, QObject *parent)
    : QObject(parent), m_connection(new Connection(this))
{
    setObjectName(QStringLiteral("content"));
    m_connection->setObjectName(QStringLiteral("ADOConnection1"));
    m_connection->setConnectionString(connectionString);
    for (const SlotInfo &info : slotTable()) {
        SlotData &data = m_slots[slotIndex(info.slot)];
        data.companion = new TableDataset(m_connection, this);
        data.companion->setObjectName(QLatin1String(info.companionTable));
        data.companion->setTableName(QLatin1String(info.companionObject));
        data.companionSource = new DataSource(data.companion, this);
        data.companionSource->setObjectName(QLatin1String(info.companionSource));
        data.query = new Query(m_connection, this);
        data.query->setObjectName(QLatin1String(info.query));
        data.query->setSql(initialStatement(info.slot));
        data.source = new DataSource(data.query, this);
        data.source->setObjectName(QLatin1String(info.querySource));
    }
}

void ContentData::openAll(const std::function<void(const QString &)> &report)
{
    auto attempt = [&](auto &&open) {
        try {
            open();
        } catch (const DataError &e) {
            report(e.message());
        }
    };
    attempt([&] { m_connection->open(); });
    for (SlotData &data : m_slots) {
        attempt([&] { data.companion->open(); });
        attempt([&] { data.query->open(); });
    }
}
