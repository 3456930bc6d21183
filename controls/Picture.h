#pragma once

#include <QPixmap>
#include <QWidget>

// A picture drawn at its natural size from the top-left corner, neither
// stretched nor centred, and clipped to the control. A picture that cannot
// be loaded leaves the control empty.
class Picture : public QWidget
{
    Q_OBJECT
public:
    explicit Picture(QWidget *parent = nullptr);

    void load(const QString &resource);
    const QPixmap &pixmap() const { return m_pixmap; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_pixmap;
};
