#include "search/AdvancedSearch.h"
#include "browse/ViewSwitcher.h"
#include "content/ContentData.h"
#include "content/Statements.h"

#include <QLineEdit>
#include <QRadioButton>

AdvancedSearch::AdvancedSearch(ContentData &content, ViewSwitcher &views, QLineEdit *term,
                               QRadioButton *inQuestions)
    : m_content(content), m_views(views), m_term(term), m_inQuestions(inQuestions)
{
}

void AdvancedSearch::open()
{
    m_views.openSearchView();
}

void AdvancedSearch::search()
{
    const SearchField field = m_inQuestions->isChecked() ? SearchField::Question : SearchField::Answer;
    const QString text = m_term->text();
    if (text.isEmpty())
        return;
    m_content.query(Slot::Pnamaz)->replaceStatement(searchStatement(field, text));
    m_views.afterSearch();
}

void AdvancedSearch::close()
{
    m_views.closeSearchView();
}
