#include "ui/main/menubarkeys.h"

#include <QAction>
#include <QMenuBar>
#include <QProxyStyle>
#include <QShortcut>
#include <QStyleOptionMenuItem>

namespace menubarkeys {

namespace {

// The application's look for the bar, except that the title the keyboard has chosen is drawn
// highlighted as an opened one is; some looks draw it only while its menu is open.
class MenuBarStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_MenuBar_AltKeyNavigation)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
        if (element == CE_MenuBarItem && item && (item->state & State_Selected)
            && widget && widget->hasFocus()) {
            QStyleOptionMenuItem chosen(*item);
            chosen.state |= State_Sunken;
            QProxyStyle::drawControl(element, &chosen, painter, widget);
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

} // namespace

void install(QMenuBar *bar)
{
    auto *style = new MenuBarStyle;
    style->setParent(bar);
    bar->setStyle(style);

    auto *f10 = new QShortcut(QKeySequence(Qt::Key_F10), bar->window());
    f10->setObjectName(QStringLiteral("menuBarF10"));
    f10->setContext(Qt::WindowShortcut);
    QObject::connect(f10, &QShortcut::activated, bar, [bar] {
        const QList<QAction *> titles = bar->actions();
        if (!titles.isEmpty())
            bar->setActiveAction(titles.first());   // opens its menu
    });
}

} // namespace menubarkeys
