// Runs the main window in a process of its own, so that the locale comes from the environment
// it was started with, computes the worked example with the policy the first argument names
// ("fcfs" or "sjf") and reports on stdout:
//   decimal <c>          the decimal separator of the system locale as Qt sees it
//   HasilAWT <text>      the average waiting time box
//   HasilATT <text>      the average turnaround box
//   message <text>       any message the window showed (none is expected)
#include "platform/messagebox.h"
#include "ui/main/form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextStream>

namespace {

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

// Replaces a box's text by typing, as the user would.
void typeInto(Form1 &window, const char *box, const char *text)
{
    auto *edit = window.findChild<QLineEdit *>(QString::fromLatin1(box));
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, QString::fromLatin1(text));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi, true);
    QApplication app(argc, argv);
    const QString policy = argc > 1 ? QString::fromLatin1(argv[1]) : QStringLiteral("fcfs");

    platform::setMessageHook([](const platform::MessageRequest &request) {
        out() << "message " << request.text << Qt::endl;
    });

    Form1 window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 10;

    // Arrivals 0, 1, 2, 3, 4 and bursts 5, 3, 8, 6, 2.
    const char *const boxes[][2] = {{"Text1", "0"}, {"Text2", "1"}, {"Text3", "2"}, {"Text4", "3"},
                                    {"Text10", "4"}, {"Text5", "5"}, {"Text6", "3"}, {"Text7", "8"},
                                    {"Text8", "6"}, {"Text9", "2"}};
    for (const auto &entry : boxes)
        typeInto(window, entry[0], entry[1]);
    if (policy == QLatin1String("sjf"))
        QTest::mouseClick(window.findChild<QRadioButton *>(QStringLiteral("Option2")), Qt::LeftButton);
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);

    out() << "decimal " << QLocale::system().decimalPoint() << Qt::endl;
    for (const char *name : {"HasilAWT", "HasilATT"})
        out() << name << ' ' << window.findChild<QLineEdit *>(QString::fromLatin1(name))->text() << Qt::endl;
    return 0;
}
