#pragma once

#include <QRectF>

class QPainter;

// The small drawings some editions show below their topic links. Each keeps its
// proportions and sits centred in the box it is given.
namespace Pictures {

void handWithApple(QPainter &p, const QRectF &box);
void childReading(QPainter &p, const QRectF &box);
void plantFromBook(QPainter &p, const QRectF &box);

} // namespace Pictures
