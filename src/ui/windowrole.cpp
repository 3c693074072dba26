#include "ui/windowrole.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace windowrole {

namespace {

constexpr char kRoleProperty[] = "quorvelAccessibleRole";

QAccessibleInterface *createInterface(const QString &className, QObject *object)
{
    Q_UNUSED(className);
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget || !widget->isWindow())
        return nullptr;
    const QVariant role = widget->property(kRoleProperty);
    if (!role.isValid())
        return nullptr;
    return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
}

} // namespace

void announceAs(QWidget *window, QAccessible::Role role)
{
    static const bool installed = [] {
        QAccessible::installFactory(createInterface);
        return true;
    }();
    Q_UNUSED(installed);
    window->setProperty(kRoleProperty, static_cast<int>(role));
}

} // namespace windowrole
