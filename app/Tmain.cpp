#include "app/Tmain.h"
#include "app/Shell.h"
#include "app/WindowBuilder.h"
#include "app/WindowLayout.h"
#include "browse/Navigator.h"
#include "browse/ViewSwitcher.h"
#include "content/ContentData.h"
#include "controls/AutoSizeLabel.h"
#include "controls/Dialogs.h"
#include "controls/FlatButton.h"
#include "controls/Hotspot.h"
#include "editions/EditionProfile.h"
#include "search/AdvancedSearch.h"
#include "search/TitleFilter.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <stdexcept>

namespace {

void setLinkColour(AutoSizeLabel *link, unsigned rgb)
{
    QPalette palette = link->palette();
    palette.setColor(QPalette::WindowText, QColor(QRgb(rgb)));
    link->setPalette(palette);
}

} // namespace

Tmain::Tmain(const EditionProfile &edition, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("main"));
    setWindowTitle(QStringLiteral("Talvenor ماه رمضان"));
    setFixedSize(Layout::windowWidth, Layout::windowHeight);
    QFont font(QString::fromLatin1(Layout::windowFont.family));
    font.setPixelSize(Layout::windowFont.pixelHeight);
    setFont(font);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(QRgb(Layout::windowColour)));
    setPalette(palette);

    const BuiltWindow built = buildWindow(this, edition);
    wire(built);
    m_content->openAll([](const QString &message) { Dialogs::showError(nullptr, message); });
    FormCreate();
}

Tmain::~Tmain() = default;

template <typename T>
T *Tmain::control(const char *name) const
{
    T *found = findChild<T *>(QLatin1String(name));
    if (!found)
        throw std::logic_error(std::string("the layout has no ") + name);
    return found;
}

void Tmain::wire(const BuiltWindow &built)
{
    m_content = built.content;
    m_views = std::make_unique<ViewSwitcher>(
        built.views, ViewSwitcher::Chrome{this, control<QWidget>("Image2"), control<QWidget>("Label8"),
                                          control<QWidget>("Panel1"), control<QWidget>("ebarat")});
    auto *count = control<AutoSizeLabel>("Label9");
    m_filter = std::make_unique<TitleFilter>(*m_content, *m_views, control<QWidget>("Label8"),
                                             [count](const QString &text) { count->setText(text); });
    m_search = std::make_unique<AdvancedSearch>(*m_content, *m_views, control<QLineEdit>("ebarat"),
                                                control<QRadioButton>("RadioButton1"));

    connect(control<Hotspot>("Shape1"), &Hotspot::pressed, this, &Tmain::Shape1MouseDown);
    connect(control<Hotspot>("Shape4"), &Hotspot::pressed, this, &Tmain::Shape1MouseDown);
    connect(control<Hotspot>("Shape2"), &Hotspot::pressed, this, &Tmain::Shape2MouseDown);
    connect(control<Hotspot>("Shape3"), &Hotspot::pressed, this, &Tmain::Shape3MouseDown);

    using Handler = void (Tmain::*)();
    const std::pair<const char *, Handler> linkClicks[] = {
        {"Label1", &Tmain::Label1Click}, {"Label3", &Tmain::Label3Click}, {"Label6", &Tmain::Label6Click},
        {"Label4", &Tmain::Label4Click}, {"Label5", &Tmain::Label5Click}, {"Label7", &Tmain::Label7Click},
    };
    for (const auto &[slot, link] : built.links) {
        for (const auto &[name, handler] : linkClicks)
            if (link->objectName() == QLatin1String(name))
                connect(link, &AutoSizeLabel::clicked, this, handler);
        connect(link, &AutoSizeLabel::mouseMoved, this, [this, link = link] { LabelMouseMove(link); });
        connect(link, &AutoSizeLabel::mouseLeft, this, [this, link = link] { LabelMouseLeave(link); });
    }

    const std::pair<const char *, Handler> buttonClicks[] = {
        {"SpeedButton1", &Tmain::SpeedButton1Click}, {"SpeedButton2", &Tmain::SpeedButton2Click},
        {"SpeedButton3", &Tmain::SpeedButton3Click}, {"SpeedButton4", &Tmain::SpeedButton4Click},
        {"SpeedButton5", &Tmain::SpeedButton5Click}, {"SpeedButton8", &Tmain::SpeedButton8Click},
        {"SpeedButton9", &Tmain::SpeedButton9Click}, {"SpeedButton10", &Tmain::SpeedButton10Click},
    };
    for (const auto &[name, handler] : buttonClicks)
        connect(control<QAbstractButton>(name), &QAbstractButton::clicked, this, handler);

    // Every change counts, typed or not: deleting, pasting and cutting filter too.
    connect(control<QLineEdit>("Edit1"), &QLineEdit::textChanged, this, &Tmain::Edit1Change);
}

// A topic switch that hid the focused control leaves the focus with the window;
// coming back to the window then starts again at the first control in tab order.
void Tmain::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    if (event->reason() == Qt::ActiveWindowFocusReason)
        focusNextChild();
}

void Tmain::FormCreate()
{
    m_views->switchTo(Slot::Kolliyat);
}

void Tmain::Shape1MouseDown()
{
    Shell::openWebSite(this);
}

void Tmain::Shape2MouseDown()
{
    close();
}

void Tmain::Shape3MouseDown()
{
    showMinimized();
}

void Tmain::Label1Click() { m_views->switchTo(Slot::Kolliyat); }
void Tmain::Label3Click() { m_views->switchTo(Slot::Moghadamat); }
void Tmain::Label6Click() { m_views->switchTo(Slot::Vajeb); }
void Tmain::Label4Click() { m_views->switchTo(Slot::Mostahab); }
void Tmain::Label5Click() { m_views->switchTo(Slot::Namaz); }
void Tmain::Label7Click() { m_views->switchTo(Slot::Motefar); }

void Tmain::LabelMouseMove(AutoSizeLabel *link)
{
    setLinkColour(link, Layout::green);
}

void Tmain::LabelMouseLeave(AutoSizeLabel *link)
{
    setLinkColour(link, Layout::maroon);
}

void Tmain::SpeedButton1Click()
{
    Dialogs::guarded(this, [this] { navigate(*m_content, *m_views, Move::Previous); });
}

void Tmain::SpeedButton2Click()
{
    Dialogs::guarded(this, [this] { navigate(*m_content, *m_views, Move::Next); });
}

void Tmain::SpeedButton3Click()
{
    Dialogs::guarded(this, [this] { navigate(*m_content, *m_views, Move::First); });
}

void Tmain::SpeedButton4Click()
{
    Dialogs::guarded(this, [this] { navigate(*m_content, *m_views, Move::Last); });
}

void Tmain::Edit1Change(const QString &text)
{
    Dialogs::guarded(this, [this, &text] { m_filter->textChanged(text); });
}

void Tmain::SpeedButton5Click()
{
    Dialogs::guarded(this, [this] { m_filter->cancel(); });
}

void Tmain::SpeedButton8Click()
{
    m_search->open();
}

void Tmain::SpeedButton9Click()
{
    Dialogs::guarded(this, [this] { m_search->search(); });
}

void Tmain::SpeedButton10Click()
{
    m_search->close();
}
