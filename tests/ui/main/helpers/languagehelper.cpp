// Starts the main window as the program does, after the program's own command-line handling,
// and reports on stdout what language it came up in:
//   Frame2 <title>        the title of the processes frame ("Proses" or "Processes")
//   XPButton1 <caption>   the Proses button's caption
//   <action> checked      the checked item of Program > Bahasa / Language
// A command line the program refuses ends it with the program's exit status.
#include "ui/button/xpbuttonx.h"
#include "ui/main/application.h"
#include "ui/main/commandline.h"
#include "ui/main/form1.h"

#include <QAction>
#include <QGroupBox>
#include <QTextStream>

int main(int argc, char **argv)
{
    QuorvelApplication app(argc, argv);
    if (const auto status = commandline::apply(QCoreApplication::arguments()))
        return *status;

    Form1 window;
    QTextStream out(stdout);
    out << "Frame2 " << window.findChild<QGroupBox *>(QStringLiteral("Frame2"))->title() << '\n';
    if (auto *proses = window.findChild<XPButtonX *>(QStringLiteral("XPButton1")))
        out << "XPButton1 " << proses->Caption() << '\n';
    for (const char *name : {"mnindonesia", "mnenglish"}) {
        if (window.findChild<QAction *>(QString::fromLatin1(name))->isChecked())
            out << name << " checked\n";
    }
    return 0;
}
