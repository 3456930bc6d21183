#pragma once

#include "content/SlotTable.h"

#include <QRect>
#include <QString>
#include <vector>

// A font as the layout gives it: a family name, a character height in pixels
// (the layout writes it negative) and a colour; 0 colour means the window-text colour.
struct FontStyle {
    const char *family;
    int pixelHeight;
    unsigned rgb = 0;
    bool windowText = false;
};

struct TopicLink {
    const char *name;    // Label1, Label3, ...
    Slot slot;
    QString caption;     // shown exactly as stored, doubled blanks included
    QRect rect;          // caption box drawn in the link font
};

// The constant data by which the five programs differ.
struct EditionProfile {
    QString name;
    QString databaseFile;
    QString connectionString;
    std::vector<TopicLink> links;   // top to bottom; always the first two to six positions
    int linkFontHeight;
    int titleTop, titleHeight;      // title texts: left 288, width 217 in every edition
    int shape1Left, shape1Width;    // web-site hotspot at the bottom: top 656, height 25
    int gridTop, gridHeight;        // title grids of the six topic slots
    FontStyle gridFont;
    bool questionScrollBar;
    int headerHeight;               // Image4
    QString backgroundResource;     // Qt resource path of the edition's own picture

    const TopicLink *link(Slot slot) const;
};

// The five editions in delivery order: moshaver, kalam, ahkam, quran, revayat.
const std::vector<EditionProfile> &allEditions();
const EditionProfile &edition(const QString &name); // throws std::out_of_range
