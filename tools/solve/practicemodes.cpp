#include "practicemodes.h"

#include "commandline.h"
#include "lab/output.h"
#include "lab/settings.h"
#include "practice/exercise.h"
#include "worksheet/worksheet.h"

#include <QApplication>
#include <QDir>
#include <QString>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <exception>
#include <optional>
#include <string>

namespace practicemodes {

const std::string_view kUsage =
    "Practice exercises, the same as the practice window's (Latihan):\n"
    "  quorvel-solve --exercise CODE [--format FORMAT]\n"
    "      the exercise of a code (such as RR4-7M-K3PX9) and its solution; with --format json\n"
    "      the solution's object with two more fields, \"code\" and \"level\"; an unknown code\n"
    "      exits with status 2\n"
    "  quorvel-solve --worksheets CLASS --variants N [--policy POLICY|acak] [--level LEVEL]\n"
    "                [--processes N] --output DIR\n"
    "      writes DIR/CLASS-lembar-kerja.pdf (the worksheets, one A4 page per variant) and\n"
    "      DIR/CLASS-kunci-jawaban.pdf (the answer key) and prints the variants' exercise codes,\n"
    "      one per line, in page order; the same arguments give the same codes every time.\n"
    "      CLASS is 1 to 16 letters and digits; N variants, 1 to 60; POLICY as above, or acak\n"
    "      (the default: each variant draws its own); LEVEL dasar (default), menengah or\n"
    "      lanjut; 3 to 10 processes (default 5); DIR is made when missing\n";

namespace {

using solvecli::fail;
using solvecli::kExitBad;
using solvecli::kExitOk;
using solvecli::kExitOutput;
using solvecli::UsageError;
using solvecli::writeAll;
using solvecli::writeOutput;

// The options of a mode, each given at most once, as --name VALUE or --name=VALUE.
struct Options {
    std::vector<std::pair<std::string, std::string>> values;

    const std::string *find(std::string_view name) const
    {
        for (const auto &[key, value] : values) {
            if (key == name)
                return &value;
        }
        return nullptr;
    }
};

Options readOptions(const std::vector<std::string_view> &args, const std::vector<std::string_view> &known)
{
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg.substr(0, 2) != "--" || arg == "--")
            throw UsageError{"unexpected argument " + std::string(arg)};
        auto [name, value] = solvecli::splitOption(arg);
        bool isKnown = false;
        for (const std::string_view option : known)
            isKnown = isKnown || option == name;
        if (!isKnown)
            throw UsageError{"option " + std::string(name) + " cannot be used here"};
        if (options.find(name))
            throw UsageError{"option " + std::string(name) + " given twice"};
        if (!value) {
            if (i + 1 >= args.size())
                throw UsageError{"option " + std::string(name) + " needs a value"};
            value = args[++i];
        }
        options.values.emplace_back(std::string(name), std::string(*value));
    }
    return options;
}

int wholeNumber(std::string_view option, const std::string &value, int low, int high)
{
    int result = 0;
    const char *end = value.data() + value.size();
    const auto [stop, error] = std::from_chars(value.data(), end, result);
    if (value.empty() || error != std::errc() || stop != end || result < low || result > high) {
        throw UsageError{"bad value \"" + value + "\" for " + std::string(option) + ": expected a whole number from "
                         + std::to_string(low) + " to " + std::to_string(high)};
    }
    return result;
}

// The solution's JSON object with the code and the level first.
std::string exerciseJson(const practice::Exercise &exercise)
{
    return lab::output::json(exercise.workload, exercise.solution,
                             {{"code", lab::output::jsonString(exercise.code)},
                              {"level", lab::output::jsonString(practice::levelId(exercise.key.level))}});
}

int runExercise(const std::vector<std::string_view> &args)
{
    const Options options = readOptions(args, {"--exercise", "--format"});
    const std::string &code = *options.find("--exercise");
    lab::output::Format format = lab::output::Format::Table;
    if (const std::string *id = options.find("--format")) {
        const auto chosen = lab::output::formatFromId(*id);
        if (!chosen)
            throw UsageError{"unknown format \"" + *id + "\""};
        format = *chosen;
    }

    const std::optional<practice::ExerciseKey> key = practice::parseExerciseCode(code);
    if (!key)
        return fail(kExitBad, "unknown exercise code \"" + code + "\"");
    const practice::Exercise exercise = practice::makeExercise(*key);

    switch (format) {
    case lab::output::Format::Json:
        return writeOutput(exerciseJson(exercise));
    case lab::output::Format::Csv:
        return writeOutput(lab::output::csv(exercise.workload, exercise.solution));
    case lab::output::Format::Table:
        break;
    }
    return writeOutput("Exercise " + exercise.code + ", level " + std::string(practice::levelId(exercise.key.level))
                       + "\n\n" + lab::output::table(exercise.workload, exercise.solution));
}

// Qt's own notes (a missing runtime folder and the like) are not the solver's output.
void quietQtMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        writeAll(stderr, "quorvel-solve: " + message.toStdString() + "\n");
}

int runWorksheets(const std::vector<std::string_view> &args)
{
    const Options options =
        readOptions(args, {"--worksheets", "--variants", "--policy", "--level", "--processes", "--output"});
    worksheet::ClassRequest request;
    request.classCode = *options.find("--worksheets");
    if (!worksheet::isValidClassCode(request.classCode)) {
        throw UsageError{"bad class code \"" + request.classCode + "\": expected 1 to "
                         + std::to_string(worksheet::kMaxClassCodeLength) + " letters and digits"};
    }
    const std::string *variants = options.find("--variants");
    if (!variants)
        throw UsageError{"--variants is missing"};
    request.variants = wholeNumber("--variants", *variants, worksheet::kMinVariants, worksheet::kMaxVariants);
    if (const std::string *policy = options.find("--policy"); policy && *policy != "acak") {
        request.policy = lab::policyFromId(*policy);
        if (!request.policy)
            throw UsageError{"unknown policy \"" + *policy + "\""};
    }
    if (const std::string *level = options.find("--level")) {
        const auto chosen = practice::levelFromId(*level);
        if (!chosen)
            throw UsageError{"unknown level \"" + *level + "\": expected dasar, menengah or lanjut"};
        request.level = *chosen;
    }
    if (const std::string *processes = options.find("--processes"))
        request.processes = wholeNumber("--processes", *processes, practice::kMinProcesses, practice::kMaxProcesses);
    const std::string *output = options.find("--output");
    if (!output || output->empty())
        throw UsageError{"--output is missing"};

    // The pages are painted by the same code as in the window, which needs a (hidden) widget
    // application; without a display it runs offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietQtMessages);
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi, true);
    static int argc = 1;
    static char name[] = "quorvel-solve";
    static char *argv[] = {name, nullptr};
    const QApplication application(argc, argv);

    const QString folder = QString::fromLocal8Bit(output->c_str());
    if (!QDir().mkpath(folder))
        return fail(kExitOutput, "cannot make the folder " + *output);
    const std::vector<practice::Exercise> exercises = worksheet::variants(request);
    QString error;
    if (!worksheet::writeClass(folder, request, exercises, nullptr, &error))
        return fail(kExitOutput, error.toStdString());

    std::string codes;
    for (const practice::Exercise &exercise : exercises)
        codes += exercise.code + "\n";
    return writeOutput(codes);
}

bool isMode(std::string_view arg, std::string_view mode)
{
    return arg == mode || (arg.substr(0, mode.size()) == mode && arg.size() > mode.size() && arg[mode.size()] == '=');
}

} // namespace

bool requested(const std::vector<std::string_view> &args)
{
    for (const std::string_view arg : args) {
        if (arg == "--")
            return false;
        if (isMode(arg, "--exercise") || isMode(arg, "--worksheets"))
            return true;
    }
    return false;
}

int run(const std::vector<std::string_view> &args)
{
    bool exercise = false;
    bool worksheets = false;
    for (const std::string_view arg : args) {
        exercise = exercise || isMode(arg, "--exercise");
        worksheets = worksheets || isMode(arg, "--worksheets");
    }
    try {
        if (exercise && worksheets)
            throw UsageError{"--exercise and --worksheets cannot be used together"};
        return exercise ? runExercise(args) : runWorksheets(args);
    } catch (const UsageError &error) {
        return fail(kExitBad, error.message + " (see quorvel-solve --help)");
    } catch (const std::exception &error) {
        return fail(kExitBad, error.what());
    }
}

} // namespace practicemodes
