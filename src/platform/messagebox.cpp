#include "platform/messagebox.h"

#include "platform/placedmessagebox.h"

#include <QPointer>

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

QuestionHook &questionHook()
{
    static QuestionHook current;
    return current;
}

} // namespace

void showMessage(QWidget *parent, const QString &text, const QString &title, MessageIcon icon)
{
    if (hook()) {
        hook()(MessageRequest{title, text, icon});
        return;
    }
    // Owned by its window like every child, so it is not on the stack: should the window be
    // deleted while the box is open, the box goes with it and nothing deletes it twice.
    const QPointer<PlacedMessageBox> box = new PlacedMessageBox(toQtIcon(icon), title, text, parent);
    box->setObjectName(QStringLiteral("QuorvelMessageBox"));
    box->exec();
    delete box.data();
}

void setMessageHook(MessageHook newHook)
{
    hook() = std::move(newHook);
}

bool askQuestion(QWidget *parent, const QString &text, const QString &title)
{
    if (questionHook())
        return questionHook()(MessageRequest{title, text, MessageIcon::Exclamation});
    const QPointer<PlacedMessageBox> box = new PlacedMessageBox(QMessageBox::Question, title, text, parent);
    box->setObjectName(QStringLiteral("QuorvelMessageBox"));
    box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box->setDefaultButton(QMessageBox::No);
    box->setEscapeButton(QMessageBox::No);
    const int answer = box->exec();
    delete box.data();
    return answer == QMessageBox::Yes;
}

void setQuestionHook(QuestionHook newHook)
{
    questionHook() = std::move(newHook);
}

} // namespace platform
