#include "search/TitleFilter.h"
#include "browse/CurrentSlot.h"
#include "browse/ViewSwitcher.h"
#include "content/ContentData.h"
#include "content/Statements.h"

#include <QWidget>

TitleFilter::TitleFilter(ContentData &content, const ViewSwitcher &views, QWidget *countCaption,
                         std::function<void(const QString &)> showCount)
    : m_content(content), m_views(views), m_countCaption(countCaption), m_showCount(std::move(showCount))
{
}

void TitleFilter::textChanged(const QString &text)
{
    m_countCaption->show();
    const auto slot = m_views.current(CurrentSlot::filterOrder);
    if (!slot || text.isEmpty())
        return;
    Query *query = m_content.query(*slot);
    query->replaceStatement(filterStatement(*slot, text));
    m_showCount(QString::number(query->recordCount()));
}

void TitleFilter::cancel()
{
    m_countCaption->hide();
    const auto slot = m_views.current(CurrentSlot::filterOrder);
    if (!slot)
        return;
    m_content.query(*slot)->replaceStatement(cancelStatement(*slot));
    m_showCount(QString());
}
