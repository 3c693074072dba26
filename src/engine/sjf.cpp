#include "engine/numeric.h"
#include "engine/runguard.h"
#include "engine/scheduler.h"
#include "engine/schedulesink.h"
#include "engine/scheduletexts.h"
#include "engine/sjfchoice.h"

#include <array>
#include <string>

namespace engine {

namespace {

// Step-message literals of the waiting-time phase, by process number; P3's position literal
// and the spelling of the whole message are the ones users of this program know.
constexpr std::array<const char *, 6> kWaitingLiteral = {
    nullptr,
    "SJF Non Preeemptive Wating Time P1 = ",
    "SJF Non Preeemptive Wating Time P2 = ",
    "SJF Non Preeemptive Wating Time P3 = ",
    "SJF Non Preeemptive Wating Time P4 = ",
    "SJF Non Preeemptive Wating Time P5 = ",
};
constexpr std::array<const char *, 6> kPositionLiteral = {
    nullptr,
    ", AT Position: ",
    ", AT Position : ",
    ", AT Postion : ",
    ", AT Position : ",
    ", AT Position : ",
};
constexpr const char *kTotalLiteral = ", Total : ";
constexpr const char *kTurnaroundLiteral = "SJF Non Preemptive Turnaround P";

// Adds one process's value to a phase's 16-bit running total. P2..P4 keep their value in
// double precision and the sum is converted; P5's value is already a 16-bit number.
std::int16_t addToTotal(std::int16_t total, int process, double value)
{
    if (process == 5)
        return numeric::addInt16(total, static_cast<std::int16_t>(value));
    return numeric::toInt16(total + value);
}

class SjfRun {
public:
    SjfRun(const ProcessSet &processes, WorkingValues &values, ScheduleSink &sink,
           const std::string &sep)
        : m_processes(processes), m_working(processes), m_values(values), m_sink(sink),
          m_sep(sep)
    {
    }

    void run()
    {
        if (m_processes.arrival(1) > 0) {
            m_sink.refuseSchedule(std::string(texts::kSjfRefusalTitle),
                                  texts::refusalText(m_processes.arrival(1), m_sep));
            return;
        }
        waitingPhase();
        m_sink.enableBlinkTimer();
        // The boxes are read again: the burst times the first phase marked as done return.
        m_working = m_processes;
        m_values.stepValue = 0;
        m_values.buffer = 0;
        turnaroundPhase();
    }

private:
    std::string fmt(double value) const { return numeric::format(value, m_sep); }

    // P5's value lives in the 16-bit stepValue; the others stay in double precision.
    double processValue(int k, double value)
    {
        if (k != 5)
            return value;
        m_values.stepValue = numeric::toInt16(value);
        return m_values.stepValue;
    }

    void waitingPhase()
    {
        // P1 always runs first, from time 0.
        m_values.stepValue = numeric::toInt16(m_processes.arrival(1));
        m_sink.setWaitingCaption(0, texts::detailCaption(0, m_values.stepValue, m_sep));
        m_values.buffer = m_processes.burst(1);
        m_sink.processScheduled(0, 0, m_values.buffer);
        if (m_sink.stepMessagesWanted()) {
            m_sink.showStepMessage(kWaitingLiteral[1] + fmt(m_processes.arrival(1))
                                   + kPositionLiteral[1] + fmt(m_values.buffer) + kTotalLiteral
                                   + "0");
        }

        std::int16_t total = 0;
        forEachShortestFirst(m_working, [&](int k) {
            // No idle time: a process picked before its arrival gets a negative waiting time.
            const double waiting = processValue(k, m_values.buffer - m_processes.arrival(k));
            const double start = m_values.buffer;
            m_values.buffer += m_processes.burst(k);
            m_sink.processScheduled(k - 1, start, m_values.buffer);
            m_sink.setWaitingCaption(k - 1, texts::detailCaption(k - 1, waiting, m_sep));
            total = addToTotal(total, k, waiting);
            if (m_sink.stepMessagesWanted()) {
                m_sink.showStepMessage(kWaitingLiteral[k] + fmt(waiting) + kPositionLiteral[k]
                                       + fmt(m_values.buffer) + kTotalLiteral + fmt(total));
            }
        });
        m_sink.setWaitingResult(texts::resultText(total, m_sep));
    }

    void turnaroundPhase()
    {
        const double first = m_processes.burst(1) - m_processes.arrival(1);
        m_sink.setTurnaroundCaption(0, texts::detailCaption(0, first, m_sep));
        m_values.buffer = m_processes.burst(1);
        if (m_sink.stepMessagesWanted())
            m_sink.showStepMessage(kTurnaroundLiteral + std::string("1 = ") + fmt(first));
        std::int16_t total = numeric::toInt16(first);

        forEachShortestFirst(m_working, [&](int k) {
            const double turnaround = processValue(
                k, (m_values.buffer + m_processes.burst(k)) - m_processes.arrival(k));
            m_values.buffer += m_processes.burst(k);
            m_sink.setTurnaroundCaption(k - 1, texts::detailCaption(k - 1, turnaround, m_sep));
            if (m_sink.stepMessagesWanted()) {
                m_sink.showStepMessage(kTurnaroundLiteral + std::to_string(k) + " = "
                                       + fmt(turnaround));
            }
            total = addToTotal(total, k, turnaround);
        });
        m_sink.setTurnaroundResult(texts::resultText(total, m_sep));
    }

    const ProcessSet &m_processes;
    ProcessSet m_working;
    WorkingValues &m_values;
    ScheduleSink &m_sink;
    const std::string &m_sep;
};

} // namespace

void runSjf(const ProcessSet &processes, WorkingValues &values, ScheduleSink &sink,
            const std::string &decimalSeparator)
{
    // A value leaving the 16-bit range stops the run with the same report as FCFS gives.
    runGuarded(sink, [&] { SjfRun(processes, values, sink, decimalSeparator).run(); });
}

} // namespace engine
