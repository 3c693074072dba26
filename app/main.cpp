#include "ui/language.h"
#include "ui/main/application.h"
#include "ui/main/form1.h"

#include <QCommandLineParser>

#include <cstdio>

int main(int argc, char **argv)
{
    QuorvelApplication app(argc, argv);

    // The command line is English as any command-line tool's; the windows start in Indonesian
    // unless --lang says otherwise.
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Quorvel: CPU scheduling (FCFS, SJF) for the classroom."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption langOption(QStringLiteral("lang"),
                                        QStringLiteral("Language of the windows: id (Indonesian, the default) or en (English)."),
                                        QStringLiteral("id|en"));
    parser.addOption(langOption);
    if (!parser.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "quorvel: %s\n", qPrintable(parser.errorText()));
        return 2;
    }
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    if (parser.isSet(langOption)) {
        const QString value = parser.value(langOption);
        const auto chosen = language::fromId(value);
        if (!chosen) {
            std::fprintf(stderr, "quorvel: unknown language '%s' for --lang (use id or en)\n",
                         qPrintable(value));
            return 2;
        }
        language::setLanguage(*chosen);
    }

    Form1 window;
    window.show();
    return app.exec();
}
