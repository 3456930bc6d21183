#include "ContentFixture.h"

#include "content/SlotTable.h"

QString contentFixtureSql(const QStringList &without, int rows)
{
    QString sql = QStringLiteral("BEGIN;\n");
    for (const SlotInfo &info : slotTable()) {
        const QString table = QLatin1String(info.contentTable);
        const QString companion = QLatin1String(info.companionObject);
        if (!without.contains(table)) {
            sql += QStringLiteral("CREATE TABLE %1 (id INTEGER PRIMARY KEY, kholase TEXT, porsesh TEXT, "
                                  "pasokh TEXT, pavaraghi TEXT);\n").arg(table);
            for (int r = 1; r <= rows; ++r)
                sql += QStringLiteral("INSERT INTO %1 (kholase, porsesh, pasokh, pavaraghi) VALUES "
                                      "('عنوان %2 %1', 'پرسش %2', 'پاسخ %2' || char(13,10) || 'سطر دوم', 'منبع %2');\n")
                           .arg(table).arg(r);
        }
        if (!without.contains(companion))
            sql += QStringLiteral("CREATE TABLE %1 (onvan TEXT); INSERT INTO %1 VALUES ('%1');\n").arg(companion);
    }
    return sql + QStringLiteral("COMMIT;\n");
}
