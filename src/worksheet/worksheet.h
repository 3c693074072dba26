#pragma once

#include "practice/exercise.h"

#include <QRectF>
#include <QString>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QPainter;

// Worksheets for a class: one exercise per student, each a variant of the class, printed on A4
// with an empty answer grid and table, and an answer key with the solution of every variant.
// The window, the printer and the command-line solver all make them through this library.
namespace worksheet {

inline constexpr int kMinVariants = 1;
inline constexpr int kMaxVariants = 60;
inline constexpr int kMaxClassCodeLength = 16;
inline constexpr int kDefaultProcesses = 5;

// What a lecturer asks for: a class code (letters and digits), how many variants, the policy of
// every variant (none: each variant draws its own), the number of processes and the level.
struct ClassRequest {
    std::string classCode;
    int variants = 1;
    std::optional<lab::Policy> policy;
    int processes = kDefaultProcesses;
    practice::Level level = practice::Level::Basic;
};

// A class code is 1 to kMaxClassCodeLength ASCII letters and digits.
bool isValidClassCode(std::string_view classCode);

// What is wrong with a class, or nothing: the texts are one-line Indonesian messages through
// QCoreApplication::translate (context "Worksheet").
std::optional<QString> classProblem(const ClassRequest &request);

// The exercises of the class in page order, variant 1 first. Each is the exercise of
// practice::variantKey(class code, variant, policy, processes, level), so its code, typed into
// the practice window, gives the same problem. Throws std::invalid_argument for a class with a
// problem.
std::vector<practice::Exercise> variants(const ClassRequest &request);

// The file names in a folder: "<class>-lembar-kerja.pdf" and "<class>-kunci-jawaban.pdf".
QString worksheetsFileName(const QString &classCode);
QString answerKeyFileName(const QString &classCode);

// A level's name in the language on show, as the pages, the level boxes and Latihan's heading
// give it.
QString levelName(practice::Level level);

// What a page carries above its problem besides the code: "Kelas TI2A, varian 3 dari 30".
// Empty: nothing.
QString variantCaption(const QString &classCode, int variant, int variants);

// One exercise of a class with its caption.
struct Sheet {
    const practice::Exercise *exercise = nullptr;
    QString caption;
};
std::vector<Sheet> sheets(const std::vector<practice::Exercise> &exercises, const QString &classCode);

// Paints one worksheet page into `page` (device coordinates of the painter): the title, a line
// for the student's name, the exercise code, the policy and its settings, the rules in force in
// words, the process table, an empty Gantt grid whose time axis runs from 0 to the solution's
// last completion, and an empty answer table. The page is shrunk as a whole when it would not
// fit, so that it always stays one page. Its texts are drawn as text.
void paintWorksheetPage(QPainter &painter, const QRectF &page, const practice::Exercise &exercise,
                        const QString &caption = QString());

// Paints one answer-key page: the title, the code, the policy and its settings, the solution's
// Gantt chart (the program's own chart painter) with its pieces in words, and the filled table
// with the averages as "total/n = value". Needs a QApplication (the chart is a widget's painter).
void paintAnswerKeyPage(QPainter &painter, const QRectF &page, const practice::Exercise &exercise,
                        const QString &caption = QString());

// Writes the sheets as an A4 PDF, one page each; `error`, when given, says why it failed. The
// file is replaced only when the whole document was written.
bool writeWorksheets(const QString &pdfPath, const std::vector<Sheet> &sheets, QString *error = nullptr);
bool writeAnswerKey(const QString &pdfPath, const std::vector<Sheet> &sheets, QString *error = nullptr);

// The same for exercises without captions.
bool writeWorksheets(const QString &pdfPath, const std::vector<practice::Exercise> &exercises,
                     QString *error = nullptr);
bool writeAnswerKey(const QString &pdfPath, const std::vector<practice::Exercise> &exercises,
                    QString *error = nullptr);

// Both files of a class in a folder, as the window and the solver write them.
struct ClassFiles {
    QString worksheets;   // full paths
    QString answerKey;
};
bool writeClass(const QString &folder, const ClassRequest &request, const std::vector<practice::Exercise> &exercises,
                ClassFiles *files, QString *error = nullptr);

} // namespace worksheet
