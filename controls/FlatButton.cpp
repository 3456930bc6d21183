#include "controls/FlatButton.h"

#include <QImage>
#include <QPainter>
#include <qdrawutil.h>

FlatButton::FlatButton(QWidget *parent) : QAbstractButton(parent)
{
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::NoFocus);
}

void FlatButton::setGlyph(const QString &resource)
{
    m_glyph = QPixmap();
    QImage image;
    if (!resource.isEmpty() && image.load(resource) && !image.isNull()) {
        image = image.convertToFormat(QImage::Format_ARGB32);
        const QRgb transparent = image.pixel(0, image.height() - 1);
        for (int y = 0; y < image.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if (line[x] == transparent)
                    line[x] = 0;
        }
        m_glyph = QPixmap::fromImage(image);
    }
    update();
}

void FlatButton::setGlyphAbove(bool above)
{
    m_glyphAbove = above;
    update();
}

QSize FlatButton::captionSize() const
{
    if (text().isEmpty())
        return {};
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(text()), metrics.height()};
}

QSize FlatButton::sizeHint() const
{
    const QSize g = m_glyph.isNull() ? QSize() : m_glyph.deviceIndependentSize().toSize();
    const QSize c = captionSize();
    const int gap = g.isEmpty() || c.isEmpty() ? 0 : spacing;
    if (m_glyphAbove)
        return QSize(qMax(g.width(), c.width()), g.height() + gap + c.height()) + QSize(8, 8);
    return QSize(g.width() + gap + c.width(), qMax(g.height(), c.height())) + QSize(8, 8);
}

void FlatButton::place(QRect *glyph, QRect *caption) const
{
    const QSize g = m_glyph.isNull() ? QSize() : m_glyph.deviceIndependentSize().toSize();
    const QSize c = captionSize();
    const int gap = g.isEmpty() || c.isEmpty() ? 0 : spacing;
    const QPoint shift = isDown() ? QPoint(1, 1) : QPoint();
    if (m_glyphAbove) {
        const int top = (height() - (g.height() + gap + c.height())) / 2;
        *glyph = QRect(QPoint((width() - g.width()) / 2, top), g);
        *caption = QRect(QPoint((width() - c.width()) / 2, top + g.height() + gap), c);
    } else {
        const int left = (width() - (g.width() + gap + c.width())) / 2;
        const int glyphTop = (height() - g.height()) / 2;
        const int captionTop = (height() - c.height()) / 2;
        // The glyph comes first in reading order: at the right under right-to-left.
        if (layoutDirection() == Qt::RightToLeft) {
            *caption = QRect(QPoint(left, captionTop), c);
            *glyph = QRect(QPoint(left + c.width() + gap, glyphTop), g);
        } else {
            *glyph = QRect(QPoint(left, glyphTop), g);
            *caption = QRect(QPoint(left + g.width() + gap, captionTop), c);
        }
    }
    if (!glyph->isEmpty())
        glyph->translate(shift);
    if (!caption->isEmpty())
        caption->translate(shift);
}

QRect FlatButton::glyphRect() const
{
    QRect glyph, caption;
    place(&glyph, &caption);
    return glyph;
}

QRect FlatButton::captionRect() const
{
    QRect glyph, caption;
    place(&glyph, &caption);
    return caption;
}

void FlatButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (isDown())
        qDrawShadePanel(&painter, rect(), palette(), true, 1);
    else if (underMouse() && isEnabled())
        qDrawShadePanel(&painter, rect(), palette(), false, 1);

    QRect glyph, caption;
    place(&glyph, &caption);
    if (!glyph.isEmpty())
        painter.drawPixmap(glyph.topLeft(), m_glyph);
    if (!caption.isEmpty()) {
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        // The caption box is measured to the text; let it overflow rather than clip a glyph's tail.
        painter.drawText(caption.adjusted(-4, 0, 4, 0), Qt::AlignCenter | Qt::TextSingleLine, text());
    }
}

void FlatButton::enterEvent(QEnterEvent *event)
{
    update();
    QAbstractButton::enterEvent(event);
}

void FlatButton::leaveEvent(QEvent *event)
{
    update();
    QAbstractButton::leaveEvent(event);
}
