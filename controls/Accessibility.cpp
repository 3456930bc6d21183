#include "controls/Accessibility.h"
#include "controls/AutoSizeLabel.h"
#include "controls/Hotspot.h"
#include "controls/Picture.h"

#include <QAccessibleWidget>

namespace {

// A control that acts when pressed, and says so.
class PressableAccessible : public QAccessibleWidget
{
public:
    PressableAccessible(QWidget *widget, QAccessible::Role role, std::function<void()> press)
        : QAccessibleWidget(widget, role), m_press(std::move(press)) {}

    QStringList actionNames() const override
    {
        return QAccessibleWidget::actionNames() << pressAction();
    }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            m_press();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    std::function<void()> m_press;
};

// A label reads as its caption; one that is clicked, a topic link, as a link
// that can be pressed. Qt builds the interface as soon as the text is first
// set, before anybody listens for clicks, so the role is decided on each call.
class LabelAccessible : public QAccessibleWidget
{
public:
    explicit LabelAccessible(AutoSizeLabel *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QAccessible::Role role() const override
    {
        return label()->isLink() ? QAccessible::Link : QAccessible::StaticText;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && label()->accessibleName().isEmpty())
            return label()->text();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (label()->isLink())
            names << pressAction();
        return names;
    }
    void doAction(const QString &action) override
    {
        if (action == pressAction() && label()->isLink())
            emit label()->clicked();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    AutoSizeLabel *label() const { return static_cast<AutoSizeLabel *>(widget()); }
};

QAccessibleInterface *controlFactory(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("Hotspot")) {
        auto *hotspot = static_cast<Hotspot *>(object);
        return new PressableAccessible(hotspot, QAccessible::Button, [hotspot] { emit hotspot->pressed(); });
    }
    if (className == QLatin1String("Picture"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    if (className == QLatin1String("AutoSizeLabel"))
        return new LabelAccessible(static_cast<AutoSizeLabel *>(object));
    return nullptr;
}

} // namespace

void installControlAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(controlFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
