#include "ui/button/xpbuttonxaccessible.h"

#include "ui/button/captiontext.h"
#include "ui/button/xpbuttonx.h"

#include <QKeySequence>
#include <QPointer>
#include <QTimer>

namespace {

QAccessibleInterface *createInterface(const QString &className, QObject *object)
{
    if (className != QLatin1String(XPButtonX::staticMetaObject.className()))
        return nullptr;
    if (auto *button = qobject_cast<XPButtonX *>(object))
        return new XPButtonXAccessible(button);
    return nullptr;
}

} // namespace

XPButtonXAccessible::XPButtonXAccessible(XPButtonX *button)
    : QAccessibleWidget(button, QAccessible::Button)
{
}

void XPButtonXAccessible::installFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(createInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

void XPButtonXAccessible::captionChanged(XPButtonX *button)
{
    QAccessibleEvent event(button, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

XPButtonX *XPButtonXAccessible::button() const
{
    return static_cast<XPButtonX *>(widget());
}

QString XPButtonXAccessible::accessKeyBinding() const
{
    const QChar key = button()->accessKey();
    if (key.isNull() || key.isSpace())
        return {};
    return QKeySequence(QKeyCombination(Qt::AltModifier, static_cast<Qt::Key>(key.toUpper().unicode())))
        .toString(QKeySequence::NativeText);
}

QString XPButtonXAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        // A name the window gave the button wins over its caption.
        if (!widget()->accessibleName().isEmpty())
            return widget()->accessibleName();
        // Blanks around the caption only move it on the face; they are not read out.
        return captionWithoutMarkers(button()->Caption()).trimmed();
    case QAccessible::Accelerator:
        return accessKeyBinding();
    default:
        // The description falls back to the tool tip there.
        return QAccessibleWidget::text(t);
    }
}

QStringList XPButtonXAccessible::actionNames() const
{
    return QStringList(pressAction()) + QAccessibleWidget::actionNames();
}

void XPButtonXAccessible::doAction(const QString &actionName)
{
    if (actionName != pressAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    // The command runs after the request has been answered: it may open a modal message box,
    // and the assistive technology that asked must not wait for the user to close it.
    const QPointer<XPButtonX> target = button();
    QTimer::singleShot(0, target.data(), [target] {
        if (target)
            target->press();
    });
}

QStringList XPButtonXAccessible::keyBindingsForAction(const QString &actionName) const
{
    if (actionName == pressAction()) {
        const QString binding = accessKeyBinding();
        return binding.isEmpty() ? QStringList() : QStringList(binding);
    }
    return QAccessibleWidget::keyBindingsForAction(actionName);
}
