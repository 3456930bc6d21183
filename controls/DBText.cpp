#include "controls/DBText.h"

#include "content/DataSource.h"

#include <QAccessible>
#include <QPainter>

DBText::DBText(QWidget *parent) : QWidget(parent)
{
    // Transparent: whatever the parent paints beneath shows through.
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void DBText::bind(DataSource *source, const QString &field)
{
    m_source = source;
    m_field = field;
    if (!source)
        return;
    source->bind(objectName(), field);
    connect(source, &DataSource::currentChanged, this, &DBText::reload);
    connect(source, &DataSource::rowChanged, this, [this](int row) {
        if (row == m_source->dataset()->currentRow())
            reload();
    });
    reload();
}

void DBText::reload()
{
    const QString text = m_source ? m_source->text(m_field) : QString();
    if (text == m_text)
        return;
    m_text = text;
    update();
    // A screen reader announces the new title: as the name when the window
    // gave the control none, otherwise as its value.
    if (!QAccessible::isActive())
        return;
    if (accessibleName().isEmpty()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    } else {
        QAccessibleValueChangeEvent event(this, m_text);
        QAccessible::updateAccessibility(&event);
    }
}

void DBText::paintEvent(QPaintEvent *)
{
    if (m_text.isEmpty())
        return;
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    // Persian reads right to left even where the window does not, and a title
    // that starts with Latin letters still keeps its right edge: the direction
    // is forced and the alignment absolute. Line breaks show as blanks.
    painter.setLayoutDirection(Qt::RightToLeft);
    painter.drawText(rect(), Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignTop | Qt::TextSingleLine
                                 | Qt::TextForceRightToLeft,
                     m_text);
}
