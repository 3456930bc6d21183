#pragma once

#include <QString>
#include <functional>

class ContentData;
class ViewSwitcher;
class QWidget;

// The live title filter of the six topic slots and its cancel button.
// Errors of the data layer propagate to the caller.
class TitleFilter
{
public:
    TitleFilter(ContentData &content, const ViewSwitcher &views, QWidget *countCaption,
                std::function<void(const QString &)> showCount);

    void textChanged(const QString &text);  // Edit1Change
    void cancel();                          // SpeedButton5Click

private:
    ContentData &m_content;
    const ViewSwitcher &m_views;
    QWidget *m_countCaption;  // Label8
    std::function<void(const QString &)> m_showCount;  // Label9
};
