#include "browse/Navigator.h"
#include "browse/CurrentSlot.h"
#include "browse/ViewSwitcher.h"
#include "content/ContentData.h"

void navigate(ContentData &content, const ViewSwitcher &views, Move move)
{
    const auto slot = views.current(CurrentSlot::navigationOrder);
    if (!slot)
        return;
    Query *query = content.query(*slot);
    switch (move) {
    case Move::Previous: query->prior(); break;
    case Move::Next: query->next(); break;
    case Move::First: query->first(); break;
    case Move::Last: query->last(); break;
    }
}
