#pragma once

#include <QString>

class QWidget;

// Types text into a widget key by key, as a keyboard with any layout would
// (QTest::keyClicks knows Latin-1 keys only).
void typeText(QWidget *widget, const QString &text);
