#pragma once

#include <QLabel>

// A transparent label that sizes itself to its text. Under right-to-left it
// keeps its right edge where it was and grows or shrinks on its left side.
// It reports clicks (left button released over it) and the pointer's moves
// over it and its leaving, for labels that act as links.
class AutoSizeLabel : public QLabel
{
    Q_OBJECT
public:
    explicit AutoSizeLabel(QWidget *parent = nullptr);

    // Hides QLabel::setText: call it through this class so the size follows.
    void setText(const QString &text);
    // Sizes the label to its text, keeping the edge its reading order anchors.
    void fitText();

    // A label somebody listens to for clicks reads as a link to a screen reader.
    bool isLink() const;

signals:
    void clicked();
    void mouseMoved();
    void mouseLeft();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    bool m_leftDown = false;
};
