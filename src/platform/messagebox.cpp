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
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QuestionHook &questionHook()
{
    static QuestionHook current;
    return current;
}

// Shows the box until it is answered and returns the button that answered it. The box is owned
// by its window like every child, so it is not on the stack: should the window be deleted while
// the box is open, the box goes with it and nothing deletes it twice.
int runBox(QWidget *parent, const MessageRequest &request, QMessageBox::StandardButtons buttons)
{
    const QPointer<PlacedMessageBox> box =
        new PlacedMessageBox(toQtIcon(request.icon), request.title, request.text, parent);
    box->setObjectName(QStringLiteral("QuorvelMessageBox"));
    if (buttons != QMessageBox::Ok) {
        box->setStandardButtons(buttons);
        box->setDefaultButton(QMessageBox::No);
        box->setEscapeButton(QMessageBox::No);
    }
    const int answer = box->exec();
    delete box.data();
    return answer;
}

} // namespace

void showMessage(QWidget *parent, const QString &text, const QString &title, MessageIcon icon)
{
    const MessageRequest request{title, text, icon};
    if (hook())
        hook()(request);
    else
        runBox(parent, request, QMessageBox::Ok);
}

void setMessageHook(MessageHook newHook)
{
    hook() = std::move(newHook);
}

bool askQuestion(QWidget *parent, const QString &text, const QString &title)
{
    const MessageRequest request{title, text, MessageIcon::Question};
    if (questionHook())
        return questionHook()(request);
    return runBox(parent, request, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void setQuestionHook(QuestionHook newHook)
{
    questionHook() = std::move(newHook);
}

} // namespace platform
