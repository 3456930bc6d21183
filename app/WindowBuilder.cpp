#include "app/WindowBuilder.h"
#include "app/WindowLayout.h"
#include "content/ContentData.h"
#include "controls/Accessibility.h"
#include "controls/AccessibleControls.h"
#include "controls/AutoSizeLabel.h"
#include "controls/DBGrid.h"
#include "controls/DBMemo.h"
#include "controls/DBText.h"
#include "controls/EditBox.h"
#include "controls/FlatButton.h"
#include "controls/Hotspot.h"
#include "controls/Picture.h"

#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <map>
#include <string>

namespace {

// Names a screen reader speaks for controls that have no caption of their own.
const std::map<std::string, QString> &spokenNames()
{
    static const std::map<std::string, QString> names{
        {"Image1", QStringLiteral("تصویر زمینه")},
        {"Image4", QStringLiteral("سربرگ")},
        {"Image2", QStringLiteral("نشانگر موضوع")},
        {"Image3", QStringLiteral("زمینه جستجوی پیشرفته")},
        {"Shape1", QStringLiteral("وب‌گاه")},
        {"Shape2", QStringLiteral("بستن")},
        {"Shape3", QStringLiteral("کوچک کردن")},
        {"Shape4", QStringLiteral("وب‌گاه")},
        {"Edit1", QStringLiteral("جستجو")},
        {"ebarat", QStringLiteral("عبارت جستجو")},
        {"Panel1", QStringLiteral("جستجوی پیشرفته")},
    };
    return names;
}

const QString spokenTitle = QStringLiteral("عنوان");
const QString spokenQuestion = QStringLiteral("پرسش");
const QString spokenAnswer = QStringLiteral("پاسخ");
const QString spokenFootnote = QStringLiteral("منابع");

bool is(const char *a, const char *b) { return qstrcmp(a, b) == 0; }

QString viewName(const char *prefix, Slot slot)
{
    return QLatin1String(prefix) + QLatin1String(slotInfo(slot).suffix);
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, colour);
    widget->setPalette(palette);
}

void setFaceColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QFont fontOf(const FontStyle &style)
{
    QFont font{QString::fromLatin1(style.family)};
    font.setPixelSize(style.pixelHeight);
    return font;
}

// A font without a family is the window's, inherited.
void applyFont(QWidget *widget, const FontStyle &style)
{
    if (!style.family)
        return;
    widget->setFont(fontOf(style));
    if (!style.windowText)
        setTextColour(widget, QColor(QRgb(style.rgb)));
}

class Builder
{
public:
    Builder(QWidget *window, const EditionProfile &edition) : m_window(window), m_edition(edition)
    {
        m_parents["main"] = window;
    }

    BuiltWindow build()
    {
        for (const ControlItem &item : Layout::windowControls(m_edition)) {
            control(item);
            placeFollowers(item.name);
        }
        m_result.content = new ContentData(m_edition.connectionString, m_window);
        bindViews();
        stack();
        setTabOrder();
        return m_result;
    }

private:
    // Where the topic links and the topic-view controls stand in the layout order.
    void placeFollowers(const char *name)
    {
        if (is(name, "Label2")) {
            for (const TopicLink &link : m_edition.links)
                topicLink(link);
            titleText(Slot::Kolliyat);
        } else if (is(name, "SpeedButton7")) {
            for (Slot slot : {Slot::Moghadamat, Slot::Vajeb, Slot::Mostahab, Slot::Namaz, Slot::Motefar})
                titleText(slot);
        } else if (is(name, "SpeedButton8")) {
            titleText(Slot::Pnamaz);
        } else if (is(name, "Shape4")) {
            grid(Slot::Kolliyat, m_window, 1);
            questionMemo(Slot::Kolliyat, 2);
            answerMemo(Slot::Kolliyat, 3);
            footnoteMemo(Slot::Kolliyat, 4);
        } else if (is(name, "Edit1")) {
            int tab = 5;
            for (Slot slot : {Slot::Moghadamat, Slot::Vajeb, Slot::Mostahab, Slot::Namaz, Slot::Motefar}) {
                questionMemo(slot, tab++);
                answerMemo(slot, tab++);
                footnoteMemo(slot, tab++);
                grid(slot, m_window, tab++);
            }
        } else if (is(name, "Image3")) {
            grid(Slot::Pnamaz, m_parents.at("Panel1"), 1);
        } else if (is(name, "ebarat")) {
            // The last control of the search panel: the search slot's memos follow the panel.
            questionMemo(Slot::Pnamaz, 26);
            footnoteMemo(Slot::Pnamaz, 28);
            answerMemo(Slot::Pnamaz, 27);
        }
    }

    void control(const ControlItem &item)
    {
        QWidget *parent = m_parents.at(item.parent ? item.parent : "main");
        QWidget *widget = create(item, parent);
        widget->setObjectName(QLatin1String(item.name));
        widget->setGeometry(item.rect);
        applyFont(widget, item.font);
        if (item.background)
            setFaceColour(widget, QColor(QRgb(item.background)));
        if (item.handCursor)
            widget->setCursor(Qt::PointingHandCursor);
        if (auto *label = qobject_cast<AutoSizeLabel *>(widget))
            label->setText(item.text);  // after geometry and font: it keeps its right edge
        if (const auto spoken = spokenNames().find(item.name); spoken != spokenNames().end())
            widget->setAccessibleName(spoken->second);
        widget->setHidden(item.hidden);
        if (item.kind == ControlKind::Panel || item.kind == ControlKind::GroupBox)
            m_parents[item.name] = widget;
        if (isWindowed(item.kind))
            m_windowed.push_back(widget);
        if (item.tabOrder >= 0)
            m_tabs.push_back({parent, item.tabOrder, widget});
    }

    static bool isWindowed(ControlKind kind)
    {
        switch (kind) {
        case ControlKind::EditBox:
        case ControlKind::Panel:
        case ControlKind::GroupBox:
        case ControlKind::RadioButton:
            return true;
        default:
            return false;
        }
    }

    static QWidget *create(const ControlItem &item, QWidget *parent)
    {
        switch (item.kind) {
        case ControlKind::Picture: {
            auto *picture = new Picture(parent);
            picture->load(item.picture);
            return picture;
        }
        case ControlKind::Label:
            return new AutoSizeLabel(parent);
        case ControlKind::FlatButton: {
            auto *button = new FlatButton(parent);
            button->setText(item.text);
            button->setGlyph(item.picture);
            button->setGlyphAbove(Layout::glyphAboveCaption(item.name));
            return button;
        }
        case ControlKind::Hotspot:
            return new Hotspot(parent);
        case ControlKind::EditBox: {
            auto *edit = new EditBox(parent);
            edit->setText(item.text);
            edit->setFrame(false);
            return edit;
        }
        case ControlKind::Panel: {
            auto *panel = new QFrame(parent);
            panel->setFrameShape(QFrame::NoFrame);
            return panel;
        }
        case ControlKind::GroupBox:
            return new QGroupBox(item.text, parent);
        case ControlKind::Button: {
            // A button with a frame that, like the flat ones, never takes the focus.
            auto *button = new QPushButton(item.text, parent);
            button->setFocusPolicy(Qt::NoFocus);
            return button;
        }
        case ControlKind::RadioButton: {
            auto *radio = new QRadioButton(item.text, parent);
            radio->setChecked(Layout::checkedInLayout(item.name));
            return radio;
        }
        }
        Q_UNREACHABLE();
    }

    void topicLink(const TopicLink &link)
    {
        auto *label = new AutoSizeLabel(m_window);
        label->setObjectName(QLatin1String(link.name));
        label->setGeometry(link.rect);
        applyFont(label, {"Tahoma", m_edition.linkFontHeight, Layout::maroon});
        label->setCursor(Qt::PointingHandCursor);
        label->setText(link.caption);
        m_result.links.emplace_back(link.slot, label);
    }

    void titleText(Slot slot)
    {
        auto *text = new DBText(m_window);
        text->setObjectName(viewName("DBText", slot));
        text->setGeometry(Layout::titleText(m_edition));
        applyFont(text, Layout::titleFont);
        text->setAccessibleName(spokenTitle);
        text->hide();
        view(slot).title = text;
    }

    DBMemo *memo(const QString &name, const QRect &rect, const FontStyle &font, bool scrollBar, int tab,
                 const QString &spoken)
    {
        auto *memo = new DBMemo(m_window);
        memo->setObjectName(name);
        memo->setGeometry(rect);
        applyFont(memo, font);
        memo->setFrameShape(QFrame::NoFrame);
        setFaceColour(memo, QColor(QRgb(Layout::memoColour)));
        memo->setVerticalScrollBarPolicy(scrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        memo->setTabChangesFocus(true);
        memo->setAccessibleName(spoken);
        memo->hide();
        m_windowed.push_back(memo);
        m_tabs.push_back({m_window, tab, memo});
        return memo;
    }

    void questionMemo(Slot slot, int tab)
    {
        view(slot).question = memo(viewName("Memopo", slot), Layout::questionMemo, Layout::questionFont,
                                   m_edition.questionScrollBar, tab, spokenQuestion);
    }

    void answerMemo(Slot slot, int tab)
    {
        view(slot).answer = memo(viewName("Memopa", slot), Layout::answerMemo, Layout::answerFont, true, tab,
                                 spokenAnswer);
    }

    void footnoteMemo(Slot slot, int tab)
    {
        const QString name = slot == Slot::Kolliyat ? QStringLiteral("Memomankolliyat") : viewName("Memoma", slot);
        view(slot).footnote = memo(name, Layout::footnoteMemo, Layout::footnoteFont, true, tab, spokenFootnote);
    }

    void grid(Slot slot, QWidget *parent, int tab)
    {
        const bool inPanel = slot == Slot::Pnamaz;
        auto *grid = new DBGrid(parent);
        grid->setObjectName(viewName("DB", slot));
        grid->setGeometry(inPanel ? Layout::searchGrid : Layout::titleGrid(m_edition));
        // The grid's own font sets the row height; the column and its title have fonts of their own.
        grid->setFont(fontOf(inPanel ? Layout::searchGridFont : m_edition.gridFont));
        grid->setCellFont(fontOf(Layout::gridColumnFont));
        grid->setFrameShape(QFrame::NoFrame);
        QHeaderView *titles = grid->horizontalHeader();
        titles->setFont(fontOf(Layout::gridTitleFont));
        setTextColour(titles, QColor(QRgb(Layout::gridTitleFont.rgb)));
        grid->setAccessibleName(Layout::gridTitle);
        grid->setHidden(!inPanel);
        m_windowed.push_back(grid);
        m_tabs.push_back({parent, tab, grid});
        view(slot).grid = grid;
    }

    void bindViews()
    {
        for (const SlotInfo &info : slotTable()) {
            DataSource *source = m_result.content->source(info.slot);
            const TopicView &v = view(info.slot);
            static_cast<DBText *>(v.title)->bind(source, QStringLiteral("kholase"));
            static_cast<DBMemo *>(v.question)->bind(source, QStringLiteral("porsesh"));
            static_cast<DBMemo *>(v.answer)->bind(source, QStringLiteral("pasokh"));
            static_cast<DBMemo *>(v.footnote)->bind(source, QStringLiteral("pavaraghi"));
            static_cast<DBGrid *>(v.grid)->bind(source, QStringLiteral("kholase"), Layout::gridTitle);
        }
    }

    // Siblings stack in creation order; lifting the windowed ones, in that
    // order, puts them above every painted control and keeps later above earlier.
    void stack()
    {
        for (QWidget *widget : m_windowed)
            widget->raise();
    }

    // One chain through the window: each container's children, by their tab
    // positions, follow the container itself.
    void setTabOrder()
    {
        std::vector<QWidget *> chain;
        appendTabChildren(m_window, chain);
        for (std::size_t i = 1; i < chain.size(); ++i)
            QWidget::setTabOrder(chain[i - 1], chain[i]);
    }

    void appendTabChildren(QWidget *parent, std::vector<QWidget *> &chain) const
    {
        std::vector<TabStop> stops;
        std::copy_if(m_tabs.begin(), m_tabs.end(), std::back_inserter(stops),
                     [parent](const TabStop &stop) { return stop.parent == parent; });
        std::stable_sort(stops.begin(), stops.end(),
                         [](const TabStop &a, const TabStop &b) { return a.position < b.position; });
        // Containers take no focus themselves; linking them would drag their children along.
        for (const TabStop &stop : stops) {
            if (stop.widget->focusPolicy() & Qt::TabFocus)
                chain.push_back(stop.widget);
            appendTabChildren(stop.widget, chain);
        }
    }

    TopicView &view(Slot slot) { return m_result.views[slotIndex(slot)]; }

    struct TabStop {
        QWidget *parent;
        int position;
        QWidget *widget;
    };

    QWidget *m_window;
    const EditionProfile &m_edition;
    std::map<std::string, QWidget *> m_parents;
    std::vector<QWidget *> m_windowed;
    std::vector<TabStop> m_tabs;
    BuiltWindow m_result;
};

} // namespace

BuiltWindow buildWindow(QWidget *window, const EditionProfile &edition)
{
    installControlAccessibility();
    installDataAwareAccessibility();
    return Builder(window, edition).build();
}
