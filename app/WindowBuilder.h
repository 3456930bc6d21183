#pragma once

#include "browse/TopicView.h"
#include "content/SlotTable.h"

#include <array>
#include <utility>
#include <vector>

class AutoSizeLabel;
class ContentData;
class QWidget;
struct EditionProfile;

// What the handlers are wired to; every other control is found by its name.
struct BuiltWindow {
    std::array<TopicView, SlotCount> views;
    std::vector<std::pair<Slot, AutoSizeLabel *>> links;  // the edition's topic links, top to bottom
    ContentData *content = nullptr;                       // named "content"; not opened yet
};

// Creates every control and data object of the layout as children of `window`,
// in layout order and with the edition's values: windowed controls above
// painted ones, later above earlier within each kind; the layout's tab order;
// the topic views bound to their slots' data sources.
BuiltWindow buildWindow(QWidget *window, const EditionProfile &edition);
