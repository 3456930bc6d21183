#include "controls/AutoSizeLabel.h"

#include <QMetaMethod>
#include <QMouseEvent>

AutoSizeLabel::AutoSizeLabel(QWidget *parent) : QLabel(parent)
{
    setMouseTracking(true);
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    setMargin(0);
    setIndent(0);
    setAlignment(Qt::AlignLeading | Qt::AlignVCenter);
}

void AutoSizeLabel::setText(const QString &text)
{
    QLabel::setText(text);
    fitText();
}

void AutoSizeLabel::fitText()
{
    // adjustSize() keeps the left edge; a right-to-left label keeps its right one.
    const int rightEdge = x() + width();
    const bool keepRight = layoutDirection() == Qt::RightToLeft;
    const QFontMetrics metrics(font());
    resize(metrics.horizontalAdvance(text()), metrics.height());
    if (keepRight)
        move(rightEdge - width(), y());
}

bool AutoSizeLabel::isLink() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&AutoSizeLabel::clicked));
}

void AutoSizeLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_leftDown = true;
    event->accept();
}

void AutoSizeLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = event->button() == Qt::LeftButton && m_leftDown && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        m_leftDown = false;
    event->accept();
    if (click)
        emit clicked();
}

void AutoSizeLabel::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved();
    QLabel::mouseMoveEvent(event);
}

void AutoSizeLabel::leaveEvent(QEvent *event)
{
    emit mouseLeft();
    QLabel::leaveEvent(event);
}
