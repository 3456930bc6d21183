#include "controls/Picture.h"

#include <QPainter>

Picture::Picture(QWidget *parent) : QWidget(parent)
{
}

void Picture::load(const QString &resource)
{
    m_pixmap = resource.isEmpty() ? QPixmap() : QPixmap(resource);
    update();
}

void Picture::paintEvent(QPaintEvent *)
{
    if (m_pixmap.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_pixmap);
}
