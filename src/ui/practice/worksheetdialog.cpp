#include "ui/practice/worksheetdialog.h"

#include "platform/messagebox.h"
#include "ui/button/xpbuttonx.h"
#include "ui/main/form1layout.h"
#include "ui/lab/windowparts.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QScopeGuard>
#include <QSpinBox>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kMargin = 10;
constexpr int kSpacing = 6;
constexpr int kDefaultVariants = 30;
constexpr int kNoteWidthInCharacters = 56;

QString askFolder(QWidget *parent, const QString &suggested)
{
    return QFileDialog::getExistingDirectory(parent, WorksheetDialog::tr("Folder untuk Lembar Kerja"), suggested);
}

} // namespace

WorksheetDialog::WorksheetDialog(QWidget *parent)
    : QDialog(parent),
      m_folderQuestion(askFolder),
      m_lastFolder(labui::documentsFolder())
{
    setObjectName(QStringLiteral("WorksheetDialog"));
    m_texts.add([this] {
        setWindowTitle(tr("Cetak Lembar Kerja"));
        setAccessibleName(windowTitle());
    });
    labui::applyWindowLook(*this, formunits::toQColor(form1layout::kWindowBlue));
    createControls();
    layOutControls();
}

WorksheetDialog::~WorksheetDialog() = default;

XPButtonX *WorksheetDialog::createButton(const char *caption, const QString &objectName, const char *toolTip)
{
    return labui::translatedButton(*this, m_texts, caption, objectName, toolTip);
}

void WorksheetDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        m_texts.apply();
    QDialog::changeEvent(event);
}

void WorksheetDialog::createControls()
{
    m_class = new QLineEdit(this);
    m_class->setObjectName(QStringLiteral("worksheetClass"));
    m_texts.add([=, this] { m_class->setAccessibleName(tr("Kode kelas")); });
    m_texts.add([this] {
        m_class->setToolTip(tr("Huruf dan angka saja, misalnya TI2A; kode kelas dan nomor varian menentukan kode soal"));
    });
    m_class->setMaxLength(worksheet::kMaxClassCodeLength);
    m_class->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[A-Za-z0-9]{0,%1}").arg(worksheet::kMaxClassCodeLength)), m_class));

    m_variants = new QSpinBox(this);
    m_variants->setObjectName(QStringLiteral("worksheetVariants"));
    m_texts.add([=, this] { m_variants->setAccessibleName(tr("Jumlah varian")); });
    m_variants->setRange(worksheet::kMinVariants, worksheet::kMaxVariants);
    m_variants->setValue(kDefaultVariants);

    m_policy = new practiceui::PolicyChoice(this);
    m_policy->setObjectName(QStringLiteral("worksheetPolicy"));
    m_texts.add([=, this] { m_policy->setAccessibleName(tr("Algoritma")); });

    m_processes = new QSpinBox(this);
    m_processes->setObjectName(QStringLiteral("worksheetProcesses"));
    m_texts.add([=, this] { m_processes->setAccessibleName(tr("Jumlah proses")); });
    m_processes->setRange(practice::kMinProcesses, practice::kMaxProcesses);
    m_processes->setValue(worksheet::kDefaultProcesses);

    m_level = new practiceui::LevelChoice(this);
    m_level->setObjectName(QStringLiteral("worksheetLevel"));
    m_texts.add([=, this] { m_level->setAccessibleName(tr("Tingkat")); });

    m_destination = new QComboBox(this);
    m_destination->setObjectName(QStringLiteral("worksheetDestination"));
    m_texts.add([=, this] { m_destination->setAccessibleName(tr("Tujuan")); });
    m_destination->addItem(QString(), static_cast<int>(Destination::Pdf));
    m_destination->addItem(QString(), static_cast<int>(Destination::Printer));
    m_texts.add([this] {
        //: Destination: two PDF files, the worksheets and the answer key, in a folder.
        m_destination->setItemText(0, tr("PDF"));
        //: Destination: the worksheets on the default printer.
        m_destination->setItemText(1, tr("Printer"));
    });

    m_ok = createButton(QT_TR_NOOP("&Buat"), QStringLiteral("worksheetOk"),
                       QT_TR_NOOP("Membuat lembar kerja dan kunci jawaban (Enter)"));
    m_cancel = createButton(QT_TR_NOOP("Ba&tal"), QStringLiteral("worksheetCancel"), QT_TR_NOOP("Menutup tanpa membuat apa pun (Escape)"));
    connect(m_ok, &XPButtonX::Click, this, &WorksheetDialog::make);
    connect(m_cancel, &XPButtonX::Click, this, &QDialog::reject);
}

void WorksheetDialog::layOutControls()
{
    auto *window = new QVBoxLayout(this);
    window->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    window->setSpacing(kSpacing);

    auto *form = new QFormLayout;
    form->setSpacing(kSpacing);
    const auto addRow = [&](const char *label, QWidget *field) {
        form->addRow(labui::translatedLabel(*this, m_texts, label, field), field);
    };
    addRow(QT_TR_NOOP("&Kode kelas:"), m_class);
    addRow(QT_TR_NOOP("Jumlah &varian:"), m_variants);
    addRow(QT_TR_NOOP("&Algoritma:"), m_policy);
    addRow(QT_TR_NOOP("Jumlah &proses:"), m_processes);
    addRow(QT_TR_NOOP("T&ingkat:"), m_level);
    addRow(QT_TR_NOOP("T&ujuan:"), m_destination);
    window->addLayout(form);

    auto *note = new QLabel(this);
    m_texts.add([note] {
        note->setText(tr("PDF: lembar kerja dan kunci jawaban disimpan sebagai dua file di folder yang dipilih. "
                         "Printer: lembar kerja dicetak di printer default."));
    });
    note->setObjectName(QStringLiteral("worksheetNote"));
    note->setWordWrap(true);
    // Wide enough that the note reads in two or three lines, not a narrow column.
    note->setMinimumWidth(note->fontMetrics().averageCharWidth() * kNoteWidthInCharacters);
    window->addWidget(note);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(kSpacing);
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    window->addLayout(buttons);

    QWidget *order[] = {m_class, m_variants, m_policy, m_processes, m_level, m_destination, m_ok, m_cancel};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    m_class->setFocus();
}

void WorksheetDialog::setFolderQuestion(FolderQuestion question)
{
    m_folderQuestion = question ? std::move(question) : FolderQuestion(askFolder);
}

void WorksheetDialog::setChoices(std::optional<lab::Policy> policy, int processes, practice::Level level)
{
    m_policy->setPolicy(policy);
    m_processes->setValue(processes);
    m_level->setLevel(level);
}

worksheet::ClassRequest WorksheetDialog::classRequest() const
{
    worksheet::ClassRequest request;
    request.classCode = m_class->text().trimmed().toStdString();
    request.variants = m_variants->value();
    request.policy = m_policy->policy();
    request.processes = m_processes->value();
    request.level = m_level->level();
    return request;
}

WorksheetDialog::Destination WorksheetDialog::destination() const
{
    return static_cast<Destination>(m_destination->currentData().toInt());
}

void WorksheetDialog::keyPressEvent(QKeyEvent *event)
{
    // Enter makes the worksheets from any field, as a default button would.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
        make();
        return;
    }
    QDialog::keyPressEvent(event);
}

void WorksheetDialog::showMessage(const QString &text, bool problem)
{
    platform::showMessage(this, text, platform::applicationTitle(),
                          problem ? platform::MessageIcon::Exclamation : platform::MessageIcon::Information);
}

void WorksheetDialog::make()
{
    const worksheet::ClassRequest request = classRequest();
    if (const std::optional<QString> problem = worksheet::classProblem(request)) {
        showMessage(*problem, true);
        m_class->setFocus();
        m_class->selectAll();
        return;
    }

    std::vector<practice::Exercise> exercises;
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const auto restore = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
        exercises = worksheet::variants(request);
    }
    const bool done = destination() == Destination::Pdf ? makePdf(request, exercises) : makePrint(request, exercises);
    if (done)
        accept();
}

bool WorksheetDialog::makePdf(const worksheet::ClassRequest &request, const std::vector<practice::Exercise> &exercises)
{
    const QString folder = m_folderQuestion(this, m_lastFolder);
    if (folder.isEmpty())
        return false;
    m_lastFolder = folder;

    QString error;
    worksheet::ClassFiles files;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool written = worksheet::writeClass(folder, request, exercises, &files, &error);
    QApplication::restoreOverrideCursor();
    if (!written) {
        //: %1 says what went wrong.
        showMessage(tr("Lembar kerja tidak dapat disimpan. %1").arg(error), true);
        return false;
    }
    m_files = files;
    //: %n is how many variants, %1 the worksheets' file, %2 the answer key's file.
    showMessage(tr("%n lembar kerja tersimpan di %1 dan kunci jawabannya di %2.", nullptr, int(exercises.size()))
                    .arg(QDir::toNativeSeparators(files.worksheets), QDir::toNativeSeparators(files.answerKey)),
                false);
    return true;
}

bool WorksheetDialog::makePrint(const worksheet::ClassRequest &request, const std::vector<practice::Exercise> &exercises)
{
    const QString classCode = QString::fromStdString(request.classCode);
    QString error;
    worksheet::PrintJob job;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool printed = worksheet::printWorksheets(worksheet::sheets(exercises, classCode), &job, &error);
    QApplication::restoreOverrideCursor();
    if (!printed) {
        //: %1 says what went wrong.
        showMessage(tr("Lembar kerja tidak dapat dicetak. %1").arg(error), true);
        return false;
    }
    m_job = job;
    //: %n is how many worksheets, %1 the class, %2 the printer's queue, %3 the job's number.
    showMessage(tr("%n lembar kerja kelas %1 dikirim ke printer %2 (pekerjaan %3).", nullptr, int(exercises.size()))
                    .arg(classCode, job.queue)
                    .arg(job.job),
                false);
    return true;
}
