#pragma once

#include "editions/EditionProfile.h"

#include <QRect>
#include <QString>
#include <vector>

// The fixed layout of the main window, written once as data: the window
// builder, the picture generator and the tests all read it from here.

enum class ControlKind { Picture, Label, FlatButton, Hotspot, EditBox, Panel, GroupBox, Button, RadioButton };

struct ControlItem {
    const char *name;
    ControlKind kind;
    const char *parent;       // nullptr: the window itself
    QRect rect;               // in the parent
    QString text;             // caption or initial text
    FontStyle font{nullptr, 0};// family nullptr: the window font
    unsigned background = 0;  // RGB of an opaque face, 0 for none
    bool hidden = false;
    bool handCursor = false;
    int tabOrder = -1;        // within the parent, windowed controls only
    QString picture;          // Qt resource of a picture or a button glyph
};

namespace Layout {

constexpr int windowWidth = 865;
constexpr int windowHeight = 682;
constexpr unsigned windowColour = 0xD9F1D1;
constexpr unsigned memoColour = 0xD9F1D1;
constexpr unsigned editColour = 0xECF8EC;
constexpr unsigned maroon = 0x800000, green = 0x008000, navy = 0x000080, olive = 0x808000,
                   red = 0xFF0000, darkGreen = 0x004000;
inline const FontStyle windowFont{"Tahoma", 12, 0, true};

// Controls other than the topic links and topic views, in layout order, with
// the edition's values filled in (Shape1, Image4 height, background picture).
std::vector<ControlItem> windowControls(const EditionProfile &edition);
const ControlItem &control(const std::vector<ControlItem> &controls, const char *name);

// The topic view: all seven sets lie in the same places.
QRect titleText(const EditionProfile &edition);    // DBText + suffix
constexpr QRect questionMemo{40, 152, 513, 97};     // Memopo + suffix
constexpr QRect answerMemo{32, 272, 521, 201};      // Memopa + suffix
constexpr QRect footnoteMemo{40, 496, 513, 97};     // Memoma + suffix
QRect titleGrid(const EditionProfile &edition);    // DB + suffix, six topic slots
constexpr QRect searchGrid{41, 192, 189, 160};      // DBpnamaz, inside Panel1
inline const FontStyle searchGridFont{"Tahoma", 13, 0, true}; // DBpnamaz in every edition
inline const FontStyle titleFont{"B Badr", 16, maroon};
inline const FontStyle questionFont{"B Badr", 16, navy};
inline const FontStyle answerFont{"B Badr", 16, maroon};
inline const FontStyle footnoteFont{"B Badr", 16, olive};
inline const FontStyle gridColumnFont{"Tahoma", 12, 0, true};
inline const FontStyle gridTitleFont{"Tahoma", 12, maroon};
inline const QString gridTitle = QStringLiteral("عنوان پرسش ها");

// Settings of single controls that the table above has no column for.
inline bool glyphAboveCaption(const char *name) { return qstrcmp(name, "SpeedButton5") == 0; }
inline bool checkedInLayout(const char *name) { return qstrcmp(name, "RadioButton1") == 0; }

inline const QRect linkMarker(int top) { return {658, top, 165, 28}; }

// Resources of the common pictures.
inline const QString headerStrip = QStringLiteral(":/assets/header.jpg");
inline const QString topicMarker = QStringLiteral(":/assets/marker.jpg");
inline const QString searchPanel = QStringLiteral(":/assets/searchpanel.jpg");
inline const QString programIcon = QStringLiteral(":/assets/icon.png");

} // namespace Layout
