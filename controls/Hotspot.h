#pragma once

#include <QWidget>

// An invisible area that reacts to the mouse: every press of any button counts,
// the second press of a double-click included.
class Hotspot : public QWidget
{
    Q_OBJECT
public:
    explicit Hotspot(QWidget *parent = nullptr);

signals:
    void pressed();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};
