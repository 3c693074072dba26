#include "worksheet/worksheet.h"
#include "worksheet/worksheettexts.h"

#include <QDir>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <stdexcept>

namespace worksheet {

namespace {

constexpr int kFallbackResolution = 96;
const QMarginsF kPageMarginsMm(15, 12, 15, 12);

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

// The document is laid out in the logical pixels Qt measures text in when no device is named
// (the chart painter's unit), so that the chart's lettering and its boxes stay in proportion on
// paper. A new image carries that resolution.
int documentResolution()
{
    const int dpi = QImage(1, 1, QImage::Format_RGB32).logicalDpiY();
    return dpi > 0 ? dpi : kFallbackResolution;
}

enum class PageKind { Worksheet, AnswerKey };

bool writeDocument(const QString &pdfPath, const std::vector<Sheet> &sheets, PageKind kind, QString *error)
{
    const QString shown = QDir::toNativeSeparators(pdfPath);
    if (sheets.empty())
        return fail(error, WorksheetTexts::tr("Tidak ada varian untuk ditulis ke %1.").arg(shown));
    QSaveFile file(pdfPath);
    if (!file.open(QIODevice::WriteOnly)) {
        //: %1 is the file, %2 the system's reason.
        return fail(error, WorksheetTexts::tr("File %1 tidak dapat ditulis: %2").arg(shown, file.errorString()));
    }
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(QPageLayout::Portrait);
        writer.setPageMargins(kPageMarginsMm, QPageLayout::Millimeter);
        writer.setResolution(documentResolution());
        writer.setCreator(QStringLiteral("Quorvel"));
        writer.setTitle(kind == PageKind::Worksheet ? WorksheetTexts::tr("Lembar Kerja Penjadwalan")
                                                    : WorksheetTexts::tr("Kunci Jawaban"));
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            return fail(error, WorksheetTexts::tr("File %1 tidak dapat ditulis: %2")
                                   .arg(shown, WorksheetTexts::tr("dokumen PDF tidak dapat dimulai")));
        }
        const QRectF page(QPointF(0, 0), QSizeF(writer.pageLayout().paintRectPixels(writer.resolution()).size()));
        bool first = true;
        for (const Sheet &sheet : sheets) {
            if (!sheet.exercise)
                continue;
            if (!first && !writer.newPage()) {
                painter.end();
                file.cancelWriting();
                return fail(error, WorksheetTexts::tr("File %1 tidak dapat ditulis: %2")
                                       .arg(shown, WorksheetTexts::tr("halaman baru tidak dapat dimulai")));
            }
            first = false;
            if (kind == PageKind::Worksheet)
                paintWorksheetPage(painter, page, *sheet.exercise, sheet.caption);
            else
                paintAnswerKeyPage(painter, page, *sheet.exercise, sheet.caption);
        }
        if (!painter.end()) {
            file.cancelWriting();
            return fail(error, WorksheetTexts::tr("File %1 tidak dapat ditulis: %2")
                                   .arg(shown, WorksheetTexts::tr("dokumen PDF tidak dapat diselesaikan")));
        }
    }
    if (!file.commit())
        return fail(error, WorksheetTexts::tr("File %1 tidak dapat ditulis: %2").arg(shown, file.errorString()));
    return true;
}

std::vector<Sheet> uncaptioned(const std::vector<practice::Exercise> &exercises)
{
    std::vector<Sheet> result;
    result.reserve(exercises.size());
    for (const practice::Exercise &exercise : exercises)
        result.push_back({&exercise, QString()});
    return result;
}

} // namespace

bool isValidClassCode(std::string_view classCode)
{
    if (classCode.empty() || classCode.size() > std::size_t(kMaxClassCodeLength))
        return false;
    for (char c : classCode) {
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        const bool digit = c >= '0' && c <= '9';
        if (!letter && !digit)
            return false;
    }
    return true;
}

std::optional<QString> classProblem(const ClassRequest &request)
{
    if (!isValidClassCode(request.classCode)) {
        //: %1 is the longest class code allowed.
        return WorksheetTexts::tr("Kode kelas harus terdiri dari huruf dan angka saja, 1 sampai %1 karakter.")
            .arg(kMaxClassCodeLength);
    }
    if (request.variants < kMinVariants || request.variants > kMaxVariants) {
        return WorksheetTexts::tr("Jumlah varian harus %1 sampai %2.").arg(kMinVariants).arg(kMaxVariants);
    }
    if (request.processes < practice::kMinProcesses || request.processes > practice::kMaxProcesses) {
        return WorksheetTexts::tr("Jumlah proses harus %1 sampai %2.")
            .arg(practice::kMinProcesses)
            .arg(practice::kMaxProcesses);
    }
    return std::nullopt;
}

std::vector<practice::Exercise> variants(const ClassRequest &request)
{
    if (const std::optional<QString> problem = classProblem(request))
        throw std::invalid_argument(problem->toStdString());
    std::vector<practice::Exercise> result;
    result.reserve(std::size_t(request.variants));
    for (int variant = 1; variant <= request.variants; ++variant) {
        result.push_back(practice::makeExercise(
            practice::variantKey(request.classCode, variant, request.policy, request.processes, request.level)));
    }
    return result;
}

QString worksheetsFileName(const QString &classCode)
{
    return classCode + QStringLiteral("-lembar-kerja.pdf");
}

QString answerKeyFileName(const QString &classCode)
{
    return classCode + QStringLiteral("-kunci-jawaban.pdf");
}

QString variantCaption(const QString &classCode, int variant, int variants)
{
    if (classCode.isEmpty())
        return {};
    //: Above a worksheet: the class code, the variant's number and how many the class has.
    return WorksheetTexts::tr("Kelas %1, varian %2 dari %3").arg(classCode).arg(variant).arg(variants);
}

std::vector<Sheet> sheets(const std::vector<practice::Exercise> &exercises, const QString &classCode)
{
    std::vector<Sheet> result;
    result.reserve(exercises.size());
    const int count = int(exercises.size());
    for (int i = 0; i < count; ++i)
        result.push_back({&exercises[std::size_t(i)], variantCaption(classCode, i + 1, count)});
    return result;
}

bool writeWorksheets(const QString &pdfPath, const std::vector<Sheet> &sheets, QString *error)
{
    return writeDocument(pdfPath, sheets, PageKind::Worksheet, error);
}

bool writeAnswerKey(const QString &pdfPath, const std::vector<Sheet> &sheets, QString *error)
{
    return writeDocument(pdfPath, sheets, PageKind::AnswerKey, error);
}

bool writeWorksheets(const QString &pdfPath, const std::vector<practice::Exercise> &exercises, QString *error)
{
    return writeDocument(pdfPath, uncaptioned(exercises), PageKind::Worksheet, error);
}

bool writeAnswerKey(const QString &pdfPath, const std::vector<practice::Exercise> &exercises, QString *error)
{
    return writeDocument(pdfPath, uncaptioned(exercises), PageKind::AnswerKey, error);
}

bool writeClass(const QString &folder, const ClassRequest &request, const std::vector<practice::Exercise> &exercises,
                ClassFiles *files, QString *error)
{
    const QString classCode = QString::fromStdString(request.classCode);
    const QDir dir(folder);
    if (!dir.exists()) {
        return fail(error, WorksheetTexts::tr("Folder %1 tidak ada.").arg(QDir::toNativeSeparators(folder)));
    }
    ClassFiles written;
    written.worksheets = dir.absoluteFilePath(worksheetsFileName(classCode));
    written.answerKey = dir.absoluteFilePath(answerKeyFileName(classCode));
    const std::vector<Sheet> pages = sheets(exercises, classCode);
    if (!writeWorksheets(written.worksheets, pages, error) || !writeAnswerKey(written.answerKey, pages, error))
        return false;
    if (files)
        *files = written;
    return true;
}

} // namespace worksheet
