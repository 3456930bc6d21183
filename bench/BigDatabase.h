#pragma once

#include <QString>

// Writes a kalam-shaped database whose kolliyat table has `records` records
// with answers of about `answerBytes` bytes each; the other tables are small.
void writeBigDatabase(const QString &path, int records, int answerBytes);

// Resident memory of this process in KiB.
long residentKiB();
