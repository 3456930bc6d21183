#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A flat button: no frame until the pointer is over it (then a thin raised
// frame), sunken while pressed, a transparent face. The glyph's bottom-left
// pixel gives its transparent colour. Glyph and caption are centred together,
// 4 pixels apart: the glyph before the caption in reading order, or above it.
class FlatButton : public QAbstractButton
{
    Q_OBJECT
public:
    explicit FlatButton(QWidget *parent = nullptr);

    // An empty resource, or one that cannot be loaded, leaves the button without a glyph.
    void setGlyph(const QString &resource);
    const QPixmap &glyph() const { return m_glyph; }
    void setGlyphAbove(bool above);

    static constexpr int spacing = 4;

    QSize sizeHint() const override;

    // Where the glyph and the caption are drawn (empty rectangles for what is missing).
    QRect glyphRect() const;
    QRect captionRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QSize captionSize() const;
    void place(QRect *glyph, QRect *caption) const;

    QPixmap m_glyph;
    bool m_glyphAbove = false;
};
