#pragma once

#include "content/SlotTable.h"

#include <QString>
#include <QStringList>

// Every statement the window sends to the database, as fixed texts.

// The user's text as a quoted `like` operand: '%' around it, single quotes doubled.
// The text is otherwise kept as typed, so % and _ keep their pattern meaning.
QString patternLiteral(const QString &text);

// The two-line statement each query opens with at start-up.
QStringList initialStatement(Slot slot);

// Title filter of a topic slot and its cancel (ends with a blank, no semicolon).
QString filterPrefix(Slot slot);
QString filterStatement(Slot slot, const QString &text);
QString cancelStatement(Slot slot);

enum class SearchField { Question, Answer };
QString searchPrefix(SearchField field);
QString searchStatement(SearchField field, const QString &text);
