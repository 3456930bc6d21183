#include "controls/Accessibility.h"
#include "controls/AutoSizeLabel.h"
#include "controls/DBText.h"
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

class LinkAccessible : public PressableAccessible
{
public:
    explicit LinkAccessible(AutoSizeLabel *label)
        : PressableAccessible(label, QAccessible::Link, [label] { emit label->clicked(); }) {}

    QString text(QAccessible::Text t) const override
    {
        const auto *label = static_cast<const AutoSizeLabel *>(widget());
        if (t == QAccessible::Name && label->accessibleName().isEmpty())
            return label->text();
        return PressableAccessible::text(t);
    }
};

// A data-bound one-line text: named by what it shows, valued by the field's text.
class DataTextAccessible : public QAccessibleWidget
{
public:
    explicit DataTextAccessible(DBText *text) : QAccessibleWidget(text, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return static_cast<const DBText *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
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
    if (className == QLatin1String("AutoSizeLabel")) {
        auto *label = static_cast<AutoSizeLabel *>(object);
        // Plain captions fall through to QLabel's own interface.
        return label->isLink() ? new LinkAccessible(label) : nullptr;
    }
    if (className == QLatin1String("DBText"))
        return new DataTextAccessible(static_cast<DBText *>(object));
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
