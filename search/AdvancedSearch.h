#pragma once

class ContentData;
class ViewSwitcher;
class QLineEdit;
class QRadioButton;

// The advanced search over the questions or answers of the search collection.
// Errors of the data layer propagate to the caller.
class AdvancedSearch
{
public:
    AdvancedSearch(ContentData &content, ViewSwitcher &views, QLineEdit *term, QRadioButton *inQuestions);

    void open();    // SpeedButton8Click
    void search();  // SpeedButton9Click
    void close();   // SpeedButton10Click

private:
    ContentData &m_content;
    ViewSwitcher &m_views;
    QLineEdit *m_term;           // ebarat
    QRadioButton *m_inQuestions; // RadioButton1
};
