#pragma once

#include "engine/numeric.h"
#include "engine/processset.h"
#include "engine/scheduler.h"
#include "engine/schedulesink.h"
#include "engine/scheduletexts.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace enginetest {

// Logs every call a run makes, in order, as one line each:
//   "AWTDetail(i): <caption>", "TurnAround(i): <caption>", "HasilAWT: <text>",
//   "HasilATT: <text>", "ask" (stepMessagesWanted), "message: <text>",
//   "refuse: <title> | <text>", "fatal: <text>", "Timer1", "bar: P<i> <start>-<finish>".
class RecordingSink : public engine::ScheduleSink {
public:
    explicit RecordingSink(bool messagesWanted = true) : m_messagesWanted(messagesWanted) {}

    void setWaitingCaption(int index, const std::string &caption) override
    {
        m_log.push_back("AWTDetail(" + std::to_string(index) + "): " + caption);
    }
    void setTurnaroundCaption(int index, const std::string &caption) override
    {
        m_log.push_back("TurnAround(" + std::to_string(index) + "): " + caption);
    }
    void setWaitingResult(const std::string &text) override { m_log.push_back("HasilAWT: " + text); }
    void setTurnaroundResult(const std::string &text) override
    {
        m_log.push_back("HasilATT: " + text);
    }
    bool stepMessagesWanted() override
    {
        m_log.push_back("ask");
        return m_messagesWanted;
    }
    void showStepMessage(const std::string &text) override { m_log.push_back("message: " + text); }
    void refuseSchedule(const std::string &title, const std::string &text) override
    {
        m_log.push_back("refuse: " + title + " | " + text);
    }
    void showFatalError(int number, const std::string &description) override
    {
        m_log.push_back("fatal: " + engine::texts::fatalErrorText(number, description));
    }
    void enableBlinkTimer() override { m_log.push_back("Timer1"); }
    void processScheduled(int index, double start, double finish) override
    {
        m_log.push_back("bar: P" + std::to_string(index + 1) + " " + engine::numeric::format(start)
                        + "-" + engine::numeric::format(finish));
    }

    // Every call, the questions for the message switch included.
    const std::vector<std::string> &all() const { return m_log; }

    // Every call except the questions for the message switch and the bars of the timeline.
    std::vector<std::string> calls() const
    {
        std::vector<std::string> result;
        for (const auto &line : m_log) {
            if (line != "ask" && line.rfind("bar: ", 0) != 0)
                result.push_back(line);
        }
        return result;
    }

    // What the run wrote into the window: every call except the message switch and the messages.
    std::vector<std::string> writes() const
    {
        std::vector<std::string> result;
        for (const auto &line : calls()) {
            if (line.rfind("message", 0) != 0)
                result.push_back(line);
        }
        return result;
    }

    // Only the lines that begin with the given text.
    std::vector<std::string> starting(const std::string &head) const
    {
        std::vector<std::string> result;
        for (const auto &line : m_log) {
            if (line.rfind(head, 0) == 0)
                result.push_back(line);
        }
        return result;
    }

    // What follows "<name>: " in the lines that start with head, e.g. the captions written.
    std::vector<std::string> tails(const std::string &head) const
    {
        std::vector<std::string> result;
        for (const auto &line : starting(head))
            result.push_back(line.substr(line.find(": ") + 2));
        return result;
    }

    // The number of times the message switch was read, or -1 when a message was shown
    // without reading the switch right before it, or the switch said yes and none followed.
    int asksRightBeforeMessages() const
    {
        int asks = 0;
        for (std::size_t i = 0; i < m_log.size(); ++i) {
            const bool isMessage = m_log[i].rfind("message: ", 0) == 0;
            if (isMessage && (i == 0 || m_log[i - 1] != "ask"))
                return -1;
            if (m_log[i] == "ask") {
                ++asks;
                const bool followed = i + 1 < m_log.size() && m_log[i + 1].rfind("message: ", 0) == 0;
                if (followed != m_messagesWanted)
                    return -1;
            }
        }
        return asks;
    }

private:
    bool m_messagesWanted;
    std::vector<std::string> m_log;
};

// The ten box texts in the window's order of input: arrival P1..P5, burst P1..P5.
inline engine::BoxTexts boxes(std::array<std::string, 5> arrival, std::array<std::string, 5> burst)
{
    return engine::BoxTexts{std::move(arrival), std::move(burst)};
}

// Arrivals 0, 1, 2, 3, 4 and bursts 5, 3, 8, 6, 2: the example both policies are taught with.
inline const engine::BoxTexts kWorkedExample = boxes({"0", "1", "2", "3", "4"}, {"5", "3", "8", "6", "2"});

// What one run leaves behind: everything it told the window, and the working values.
struct RunOutcome {
    RecordingSink sink;
    engine::WorkingValues values;
};

// Runs one policy from fresh working values on the boxes.
inline RunOutcome runSchedule(engine::ScheduleRun run, const engine::BoxTexts &texts, bool messages,
                              const std::string &separator)
{
    RunOutcome outcome{RecordingSink(messages), engine::WorkingValues{}};
    run(engine::ProcessSet::read(texts), outcome.values, outcome.sink, separator);
    return outcome;
}

inline const std::string kOverflowText = "fatal: Program error !!. Error Number : 6\r\nDekripsi Error : Overflow";

} // namespace enginetest
