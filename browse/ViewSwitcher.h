#pragma once

#include "browse/TopicView.h"
#include "content/SlotTable.h"

#include <array>
#include <optional>
#include <span>

class QWidget;

// Which slot's view is shown. The view state is nothing but visibility: the
// current slot is the one whose answer memo is visible.
class ViewSwitcher
{
public:
    struct Chrome {
        QWidget *window;        // takes the focus when a switch hides the focused control
        QWidget *marker;        // Image2
        QWidget *countCaption;  // Label8
        QWidget *searchPanel;   // Panel1
        QWidget *searchTerm;    // ebarat
    };

    ViewSwitcher(const std::array<TopicView, SlotCount> &views, const Chrome &chrome);

    // The topic switch of a topic link (and of the start view, for kolliyat).
    void switchTo(Slot topic);
    // The advanced search view: open, close (back to kolliyat), and the step after a search.
    void openSearchView();
    void closeSearchView();
    void afterSearch();

    // The first slot of `order` whose answer memo is visible.
    std::optional<Slot> current(std::span<const Slot> order) const;
    const TopicView &view(Slot slot) const { return m_views[slotIndex(slot)]; }

private:
    void setVisible(QWidget *widget, bool visible);

    std::array<TopicView, SlotCount> m_views;
    Chrome m_chrome;
};
