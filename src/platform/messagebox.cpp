#include "platform/messagebox.h"

#include "platform/placedmessagebox.h"

namespace platform {

namespace {

MessageHook &hook()
{
    static MessageHook current;
    return current;
}

QMessageBox::Icon toQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void showMessage(QWidget *parent, const QString &text, const QString &title, MessageIcon icon)
{
    if (hook()) {
        hook()(MessageRequest{title, text, icon});
        return;
    }
    PlacedMessageBox box(toQtIcon(icon), title, text, parent);
    box.setObjectName(QStringLiteral("QuorvelMessageBox"));
    box.exec();
}

void setMessageHook(MessageHook newHook)
{
    hook() = std::move(newHook);
}

} // namespace platform
