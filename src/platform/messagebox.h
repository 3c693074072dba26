#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace platform {

// The icons a message of this program can carry (Question only on a question's box).
enum class MessageIcon { None, Information, Exclamation, Critical, Question };

struct MessageRequest {
    QString title;
    QString text;
    MessageIcon icon = MessageIcon::None;
};

// Shows a modal message box with one OK button and returns when the user has closed it.
// Every message the program shows to the user goes through here.
void showMessage(QWidget *parent, const QString &text, const QString &title, MessageIcon icon);

// Tests replace the real box with a recorder. An empty function restores the real box.
using MessageHook = std::function<void(const MessageRequest &)>;
void setMessageHook(MessageHook hook);

// Asks a question with Yes and No buttons (No is the default) and returns true for Yes.
// Tests answer it themselves through the question hook; an empty function restores the box.
bool askQuestion(QWidget *parent, const QString &text, const QString &title);
using QuestionHook = std::function<bool(const MessageRequest &)>;
void setQuestionHook(QuestionHook hook);

// The application's title, used by every message that names no title of its own.
inline const QString &applicationTitle()
{
    static const QString title = QStringLiteral("Quorvel");
    return title;
}

} // namespace platform
