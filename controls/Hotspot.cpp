#include "controls/Hotspot.h"

#include <QMouseEvent>

Hotspot::Hotspot(QWidget *parent) : QWidget(parent)
{
}

void Hotspot::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    emit pressed();
}

void Hotspot::mouseDoubleClickEvent(QMouseEvent *event)
{
    mousePressEvent(event);
}
