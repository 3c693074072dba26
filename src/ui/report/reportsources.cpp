#include "ui/report/reportsources.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>

namespace report {

namespace {

const std::array<const char *, 5> arrivalBoxes = {"Text1", "Text2", "Text3", "Text4", "Text10"};
const std::array<const char *, 5> burstBoxes = {"Text5", "Text6", "Text7", "Text8", "Text9"};

// Collects the texts and remembers the first control that could not be found.
class ControlReader {
public:
    explicit ControlReader(const QWidget *window) : m_window(window) {}

    template <typename Control>
    const Control *find(const QString &name)
    {
        const auto *control = m_window ? m_window->findChild<const Control *>(name) : nullptr;
        if (!control && m_missing.isEmpty())
            m_missing = name;
        return control;
    }

    bool isChecked(const QString &name)
    {
        const auto *button = find<QRadioButton>(name);
        return button && button->isChecked();
    }
    QString boxText(const QString &name)
    {
        const auto *box = find<QLineEdit>(name);
        return box ? box->text() : QString();
    }
    QString caption(const QString &name)
    {
        const auto *label = find<QLabel>(name);
        return label ? label->text() : QString();
    }

    const QString &missing() const { return m_missing; }

private:
    const QWidget *m_window = nullptr;
    QString m_missing;
};

} // namespace

std::optional<ReportSources> readReportSources(const QWidget *mainWindow, QString *errorString)
{
    ControlReader reader(mainWindow);
    ReportSources sources;

    if (reader.isChecked(QStringLiteral("Option1")))
        sources.policy = Policy::Fcfs;
    else if (reader.isChecked(QStringLiteral("Option2")))
        sources.policy = Policy::Sjf;

    for (std::size_t i = 0; i < 5; ++i)
        sources.arrival[i] = reader.boxText(QString::fromLatin1(arrivalBoxes[i]));
    for (std::size_t i = 0; i < 5; ++i)
        sources.burst[i] = reader.boxText(QString::fromLatin1(burstBoxes[i]));
    for (std::size_t i = 0; i < 5; ++i)
        sources.waiting[i] = reader.caption(QStringLiteral("AWTDetail_%1").arg(i));
    for (std::size_t i = 0; i < 5; ++i)
        sources.turnaround[i] = reader.caption(QStringLiteral("TurnAround_%1").arg(i));
    sources.averageWaiting = reader.boxText(QStringLiteral("HasilAWT"));
    sources.averageTurnaround = reader.boxText(QStringLiteral("HasilATT"));

    if (!reader.missing().isEmpty()) {
        if (errorString)
            *errorString = mainWindow ? QStringLiteral("control %1 not found").arg(reader.missing())
                                      : QStringLiteral("no main window");
        return std::nullopt;
    }
    return sources;
}

} // namespace report
