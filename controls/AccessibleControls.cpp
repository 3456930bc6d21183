#include "controls/AccessibleControls.h"

#include "controls/DBText.h"

#include <QAccessibleWidget>

namespace {

class AccessibleDBText : public QAccessibleWidget
{
public:
    explicit AccessibleDBText(DBText *text) : QAccessibleWidget(text, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        const QString shown = static_cast<const DBText *>(widget())->text();
        if (t == QAccessible::Value)
            return shown;
        const QString own = QAccessibleWidget::text(t);
        return t == QAccessible::Name && own.isEmpty() ? shown : own;
    }
};

QAccessibleInterface *dataAwareFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("DBText") && object && object->isWidgetType())
        return new AccessibleDBText(static_cast<DBText *>(object));
    return nullptr;
}

} // namespace

void installDataAwareAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(dataAwareFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
