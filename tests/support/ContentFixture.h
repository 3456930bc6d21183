#pragma once

#include <QString>
#include <QStringList>

// SQL for a small database with all seven content tables and companion
// objects; `without` names objects to leave out, `rows` the rows per table.
QString contentFixtureSql(const QStringList &without = {}, int rows = 3);
