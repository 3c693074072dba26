#include "ui/report/textreport.h"

#include "platform/messagebox.h"
#include "ui/report/reportfolder.h"
#include "ui/report/reportsource.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringEncoder>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <langinfo.h>
#include <optional>
#include <unistd.h>

namespace report {

namespace {

const QString lineEnd = QStringLiteral("\r\n");
// The messages after saving; the report itself and its file name are never translated.
//: Followed directly by the saved file's full path.
const char *const savedText = QT_TRANSLATE_NOOP("report", "File tersimpan di path ");
//: Followed directly by the system's reason why the file could not be written.
const char *const failedText = QT_TRANSLATE_NOOP("report", "Path adalah Read Only. Data tidak bisa disimpan.");

QString titleLine(Policy policy)
{
    switch (policy) {
    case Policy::Fcfs: return QStringLiteral("FCFS Schedule");
    case Policy::Sjf: return QStringLiteral("SJF Non Preemptive Schedule");
    case Policy::None: break;
    }
    return QString();
}

// A heading line followed by "P1 = " .. "P5 = " and the five texts.
QString prefixedBlock(const QString &heading, const std::array<QString, 5> &texts)
{
    QString block = heading + lineEnd;
    for (std::size_t i = 0; i < texts.size(); ++i)
        block += QStringLiteral("P%1 = ").arg(i + 1) + texts[i] + lineEnd;
    return block;
}

// A heading line followed by the five captions, which carry their own prefixes.
QString captionBlock(const QString &heading, const std::array<QString, 5> &captions)
{
    QString block = heading + lineEnd;
    for (const QString &caption : captions)
        block += caption + lineEnd;
    return block;
}

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The file is created (and closed) first, then opened again for writing; each system call is
// checked, close included, so that a report that did not reach the disk is never called saved.
class ReportFile {
public:
    explicit ReportFile(const QString &path) : m_path(QFile::encodeName(path)) {}
    ~ReportFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    ReportFile(const ReportFile &) = delete;
    ReportFile &operator=(const ReportFile &) = delete;

    bool create() { return open() && close(); }

    bool open()
    {
        do
            m_fd = ::open(m_path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        while (m_fd < 0 && errno == EINTR);
        return m_fd >= 0 || failed();
    }

    bool write(const QByteArray &bytes)
    {
        const char *data = bytes.constData();
        qsizetype left = bytes.size();
        while (left > 0) {
            const ssize_t written = ::write(m_fd, data, std::size_t(left));
            if (written < 0) {
                if (errno == EINTR)
                    continue;
                return failed();
            }
            data += written;
            left -= written;
        }
        return true;
    }

    bool close()
    {
        const int fd = m_fd;
        m_fd = -1;
        // After close fails the descriptor is gone all the same; retrying could close another.
        return ::close(fd) == 0 || failed();
    }

    const QString &errorString() const { return m_errorString; }

private:
    bool failed()
    {
        m_errorString = systemError(errno);
        return false;
    }

    QByteArray m_path;
    int m_fd = -1;
    QString m_errorString;
};

// The report is read with the user's other programs, so it is written in the encoding of the
// user's locale as the C library names it. Qt knows the ones still met (UTF-8, Latin-1); for
// any other name, and for the bare ASCII of the C locale, it is UTF-8, which Qt takes the
// system's encoding to be. The text of a normal report is ASCII and the same in all of them.
QByteArray inLocaleEncoding(const QString &text)
{
    QStringEncoder encoder(nl_langinfo(CODESET));
    if (!encoder.isValid())
        encoder = QStringEncoder(QStringEncoder::Utf8);
    return encoder.encode(text);
}

std::optional<QString> writeReport(const QString &path, const QStringList &pieces)
{
    ReportFile file(path);
    if (!file.create() || !file.open())
        return file.errorString();
    for (const QString &piece : pieces) {
        if (!file.write(inLocaleEncoding(piece)))
            return file.errorString();
    }
    if (!file.close())
        return file.errorString();
    return std::nullopt;
}

} // namespace

QStringList textReportPieces(const ReportTexts &texts)
{
    return {
        titleLine(texts.policy) + lineEnd,
        prefixedBlock(QStringLiteral("Arrival Time : "), texts.arrival),
        prefixedBlock(QStringLiteral("Burst Time : "), texts.burst),
        captionBlock(QStringLiteral("Detail Waiting Time : "), texts.waiting),
        captionBlock(QStringLiteral("Detail Turn Around : "), texts.turnaround),
        QStringLiteral("Average Waiting Time : ") + texts.averageWaiting + lineEnd
            + QStringLiteral("Average Turn Around  : ") + texts.averageTurnaround + lineEnd
            + QStringLiteral("Tamsira 2006"),
        lineEnd,
    };
}

QString textReportStamp(const QDateTime &now)
{
    return QString::number(now.time().second()) + QString::number(now.date().day());
}

QString textReportPath(const QString &folder, const QString &stamp)
{
    QString base = folder;
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return base + QStringLiteral("/Quorvel_") + stamp + QStringLiteral(".txt");
}

void saveTextReport(QWidget *parent, const ReportSource &source)
{
    saveTextReport(parent, source, SaveContext{});
}

void saveTextReport(QWidget *parent, const ReportSource &source, const SaveContext &context)
{
    // The name is fixed once, before anything else, and used for every step and the message.
    const QString stamp = textReportStamp(context.now());
    const QString folder = context.folder ? context.folder() : reportFolder();
    const QString path = textReportPath(folder, stamp);

    const auto report = [&](const QString &text, platform::MessageIcon icon) {
        platform::showMessage(parent, text, platform::applicationTitle(), icon);
    };

    if (const auto failure = writeReport(path, textReportPieces(source.reportTexts()))) {
        report(QCoreApplication::translate("report", failedText) + *failure, platform::MessageIcon::Critical);
        return;
    }
    report(QCoreApplication::translate("report", savedText) + path, platform::MessageIcon::Information);
}

} // namespace report
