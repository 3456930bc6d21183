#pragma once

#include <QImage>
#include <QString>
#include <vector>

// The pictures every edition shares.
namespace Pictures {

QImage headerStrip();   // 129 x 47
QImage topicMarker();   // 165 x 28
QImage searchPanel();   // 255 x 368
QImage programIcon();   // 48 x 48 with alpha

// Flat-button glyphs: opaque, the bottom-left pixel's colour marks the
// transparent pixels.
constexpr QRgb glyphKey = 0xFFFF00FF;
struct Glyph {
    QString file;       // under assets/
    QImage image;
};
std::vector<Glyph> buttonGlyphs();

} // namespace Pictures
