#include "browse/ViewSwitcher.h"

#include <QApplication>
#include <QWidget>

ViewSwitcher::ViewSwitcher(const std::array<TopicView, SlotCount> &views, const Chrome &chrome)
    : m_views(views), m_chrome(chrome)
{
}

// Hiding the focused control would let Qt hand the focus on to the next one;
// here the window keeps it instead, so Tab starts again at the filter box.
void ViewSwitcher::setVisible(QWidget *widget, bool visible)
{
    if (!widget)
        return;
    if (!visible) {
        QWidget *focused = QApplication::focusWidget();
        if (focused && (focused == widget || widget->isAncestorOf(focused)) && m_chrome.window)
            m_chrome.window->setFocus(Qt::OtherFocusReason);
    }
    widget->setVisible(visible);
}

void ViewSwitcher::switchTo(Slot topic)
{
    setVisible(m_chrome.countCaption, false);
    if (m_chrome.marker)
        m_chrome.marker->move(markerLeft, slotInfo(topic).markerTop);
    for (Slot slot : topicSlots) {
        const TopicView &v = view(slot);
        const bool shown = slot == topic;
        for (QWidget *w : {v.title, v.question, v.answer, v.footnote, v.grid})
            setVisible(w, shown);
    }
    setVisible(m_chrome.searchPanel, false);
    const TopicView &search = view(Slot::Pnamaz);
    for (QWidget *w : {search.answer, search.question, search.footnote, search.title})
        setVisible(w, false);
}

void ViewSwitcher::openSearchView()
{
    setVisible(m_chrome.searchPanel, true);
    if (m_chrome.searchTerm) {
        m_chrome.searchTerm->setFocus(Qt::TabFocusReason);
    }
    const TopicView &search = view(Slot::Pnamaz);
    for (QWidget *w : {search.answer, search.question, search.footnote, search.title})
        setVisible(w, true);
    for (Slot slot : topicSlots) {
        const TopicView &v = view(slot);
        for (QWidget *w : {v.title, v.question, v.answer, v.footnote, v.grid})
            setVisible(w, false);
    }
}

void ViewSwitcher::closeSearchView()
{
    setVisible(m_chrome.searchPanel, false);
    switchTo(Slot::Kolliyat);
}

void ViewSwitcher::afterSearch()
{
    const TopicView &search = view(Slot::Pnamaz);
    for (QWidget *w : {search.answer, search.question, search.footnote, search.title})
        setVisible(w, true);
    for (Slot slot : topicSlots)
        setVisible(view(slot).title, false);
}

std::optional<Slot> ViewSwitcher::current(std::span<const Slot> order) const
{
    for (Slot slot : order) {
        const QWidget *answer = view(slot).answer;
        if (answer && answer->isVisibleTo(answer->window()))
            return slot;
    }
    return std::nullopt;
}
