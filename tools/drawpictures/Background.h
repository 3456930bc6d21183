#pragma once

#include <QImage>

struct EditionProfile;

namespace Pictures {

// The edition's window background, drawn around the places of its controls.
QImage background(const EditionProfile &edition);

} // namespace Pictures
