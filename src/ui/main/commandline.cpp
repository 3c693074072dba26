#include "ui/main/commandline.h"

#include "ui/language.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace commandline {

std::optional<int> apply(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Quorvel: CPU scheduling (FCFS, SJF and more) for the classroom."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption langOption(
        QStringLiteral("lang"),
        QStringLiteral("Language of the windows: id (Indonesian, the default) or en (English)."),
        QStringLiteral("id|en"));
    parser.addOption(langOption);

    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "quorvel: %s\n", qPrintable(parser.errorText()));
        return 2;
    }
    if (parser.isSet(helpOption)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(versionOption)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "quorvel: unexpected argument '%s'\n",
                     qPrintable(parser.positionalArguments().constFirst()));
        return 2;
    }
    if (parser.isSet(langOption)) {
        const QString value = parser.value(langOption);
        const std::optional<language::Language> chosen = language::fromId(value);
        if (!chosen) {
            std::fprintf(stderr, "quorvel: unknown language '%s' for --lang (use id or en)\n",
                         qPrintable(value));
            return 2;
        }
        language::setLanguage(*chosen);
    }
    return std::nullopt;
}

} // namespace commandline
