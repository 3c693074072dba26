// libFuzzer target: whole FCFS and SJF runs from ten arbitrary box texts.
//
// Input: optional flags, then the ten texts Text1..Text10 separated by ';'.
//   leading '!'  the "Process with Message" box is ticked (step messages wanted)
//   leading ','  the regional decimal separator is a comma
// Every run must end in exactly one way: both results written and the blink started, or the
// refusal, or one "Fatal Error" message, and nothing may happen after a refusal or a fatal
// error. The texts written must have the program's shapes.
#include "engine/numeric.h"
#include "engine/processset.h"
#include "engine/runtimeerror.h"
#include "engine/scheduler.h"
#include "engine/schedulesink.h"
#include "engine/scheduletexts.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

const char *g_policy = "";

[[noreturn]] void failure(const std::string &what)
{
    std::fprintf(stderr, "fuzz_schedule (%s): %s\n", g_policy, what.c_str());
    std::abort();
}

bool startsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

// Records a run and checks each call as it comes.
class CheckingSink : public engine::ScheduleSink {
public:
    CheckingSink(bool messagesWanted, std::string separator)
        : m_messagesWanted(messagesWanted), m_separator(std::move(separator))
    {
    }

    void setWaitingCaption(int index, const std::string &caption) override
    {
        stillRunning("waiting caption");
        checkCaption(index, caption);
        ++m_waitingCaptions.at(static_cast<std::size_t>(index));
        m_lastWaiting.at(static_cast<std::size_t>(index)) = caption;
    }
    void setTurnaroundCaption(int index, const std::string &caption) override
    {
        stillRunning("turnaround caption");
        checkCaption(index, caption);
        ++m_turnaroundCaptions.at(static_cast<std::size_t>(index));
    }
    void setWaitingResult(const std::string &text) override
    {
        stillRunning("waiting result");
        checkResult(text);
        ++m_waitingResults;
    }
    void setTurnaroundResult(const std::string &text) override
    {
        stillRunning("turnaround result");
        checkResult(text);
        ++m_turnaroundResults;
    }
    bool stepMessagesWanted() override { return m_messagesWanted; }
    void showStepMessage(const std::string &text) override
    {
        stillRunning("step message");
        if (!m_messagesWanted)
            failure("a step message while \"Process with Message\" is not ticked");
        if (text.empty())
            failure("an empty step message");
        ++m_stepMessages;
    }
    void refuseSchedule(const std::string &title, const std::string &text) override
    {
        stillRunning("refusal");
        if (anythingWritten())
            failure("a refusal after results were written");
        m_refusalTitle = title;
        m_refusalText = text;
        m_ended = true;
        ++m_refusals;
    }
    void showFatalError(int number, const std::string &description) override
    {
        stillRunning("fatal error");
        if (number <= 0 || description.empty())
            failure("fatal error without its number or description");
        const std::string text = engine::texts::fatalErrorText(number, description);
        if (!startsWith(text, "Program error !!. Error Number : "))
            failure("fatal error text: " + text);
        if (text.find("\r\nDekripsi Error : ") == std::string::npos)
            failure("fatal error text without its description line: " + text);
        m_ended = true;
        ++m_fatalErrors;
    }
    void enableBlinkTimer() override
    {
        stillRunning("blink timer");
        ++m_blinks;
    }
    // The processor never idles and runs each process once: every bar starts where the one
    // before it finished, the first at 0.
    void processScheduled(int index, double start, double finish) override
    {
        stillRunning("scheduled process");
        if (index < 0 || index > 4)
            failure("scheduled process index " + std::to_string(index));
        if (m_scheduled[static_cast<std::size_t>(index)]++ != 0)
            failure("P" + std::to_string(index + 1) + " scheduled twice");
        if (start != m_clock)
            failure("a bar does not start where the one before it finished");
        m_clock = finish;
        ++m_bars;
    }

    int refusals() const { return m_refusals; }
    int fatalErrors() const { return m_fatalErrors; }
    int blinks() const { return m_blinks; }
    int stepMessages() const { return m_stepMessages; }
    int bars() const { return m_bars; }
    bool resultsWritten() const { return m_waitingResults == 1 && m_turnaroundResults == 1; }
    bool anyResult() const { return m_waitingResults + m_turnaroundResults > 0; }
    const std::string &refusalTitle() const { return m_refusalTitle; }
    const std::string &refusalText() const { return m_refusalText; }
    const std::array<int, 5> &waitingCaptions() const { return m_waitingCaptions; }
    const std::array<int, 5> &turnaroundCaptions() const { return m_turnaroundCaptions; }
    const std::array<std::string, 5> &lastWaiting() const { return m_lastWaiting; }

private:
    void stillRunning(const char *what) const
    {
        if (m_ended)
            failure(std::string(what) + " after the run had ended with a message");
    }
    bool anythingWritten() const
    {
        for (int i = 0; i < 5; ++i) {
            if (m_waitingCaptions[i] || m_turnaroundCaptions[i])
                return true;
        }
        return anyResult() || m_blinks > 0 || m_stepMessages > 0 || m_bars > 0;
    }
    void checkCaption(int index, const std::string &caption) const
    {
        if (index < 0 || index > 4)
            failure("caption index " + std::to_string(index));
        const std::string prefix = "P" + std::to_string(index + 1) + " = ";
        if (!startsWith(caption, prefix) || caption.size() == prefix.size())
            failure("caption \"" + caption + "\" for index " + std::to_string(index));
    }
    // "<total>/5 = <total / 5> satuan waktu"
    void checkResult(const std::string &text) const
    {
        const std::string suffix = " satuan waktu";
        const auto slash = text.find("/5 = ");
        if (slash == std::string::npos || slash == 0 || text.size() < suffix.size()
            || text.compare(text.size() - suffix.size(), suffix.size(), suffix) != 0)
            failure("result text \"" + text + "\"");
        const std::string total = text.substr(0, slash);
        const std::string average = text.substr(slash + 5, text.size() - suffix.size() - slash - 5);
        double value = 0;
        try {
            value = engine::numeric::leadingNumber(total);
        } catch (const engine::RuntimeError &) {
            failure("result total unreadable: " + text);
        }
        if (engine::numeric::format(value) != total)
            failure("result total not in shortest form: " + text);
        if (engine::numeric::format(value / 5, m_separator) != average)
            failure("average is not the total divided by 5: " + text);
    }

    bool m_messagesWanted = false;
    std::string m_separator;
    bool m_ended = false;
    int m_refusals = 0;
    int m_fatalErrors = 0;
    int m_blinks = 0;
    int m_stepMessages = 0;
    int m_waitingResults = 0;
    int m_turnaroundResults = 0;
    int m_bars = 0;
    double m_clock = 0;
    std::array<int, 5> m_scheduled{};
    std::array<int, 5> m_waitingCaptions{};
    std::array<int, 5> m_turnaroundCaptions{};
    std::array<std::string, 5> m_lastWaiting;
    std::string m_refusalTitle;
    std::string m_refusalText;
};

void checkOutcome(const CheckingSink &sink, const engine::ProcessSet &processes,
                  std::string_view refusalTitle, const std::string &separator, bool fcfs)
{
    const int endings = sink.refusals() + sink.fatalErrors() + (sink.resultsWritten() ? 1 : 0);
    if (endings != 1)
        failure("the run ended in " + std::to_string(endings) + " ways");

    const bool refused = processes.arrival(1) > 0;
    if (refused != (sink.refusals() == 1))
        failure("refusal does not follow the first arrival time");
    if (refused) {
        if (sink.refusalTitle() != refusalTitle)
            failure("refusal title \"" + sink.refusalTitle() + "\"");
        const std::string expected = "Schedule tidak dapat diproses karena proses pertama di mulai dari ( "
            + engine::numeric::format(processes.arrival(1), separator) + " ) !";
        if (sink.refusalText() != expected)
            failure("refusal text \"" + sink.refusalText() + "\"");
        return;
    }
    if (sink.fatalErrors() == 1) {
        if (sink.anyResult() && fcfs && sink.blinks() != 0)
            failure("FCFS started the blink and then failed");
        return;
    }

    // Completed: every process got one waiting and one turnaround time, the blink started once.
    if (sink.blinks() != 1)
        failure("a completed run started the blink " + std::to_string(sink.blinks()) + " times");
    if (sink.bars() != 5)
        failure("a completed run scheduled " + std::to_string(sink.bars()) + " processes");
    for (int i = 0; i < 5; ++i) {
        if (sink.waitingCaptions()[i] != 1 || sink.turnaroundCaptions()[i] != 1)
            failure("process P" + std::to_string(i + 1) + " was not given exactly one value per phase");
    }
    if (fcfs) {
        // FCFS shows a process that arrives after the processor became free as waiting 0.
        for (int i = 0; i < 5; ++i) {
            const std::string &caption = sink.lastWaiting()[i];
            if (caption.find('-', 5) != std::string::npos)
                failure("negative FCFS waiting time: " + caption);
        }
        if (sink.stepMessages() != 0 && sink.stepMessages() != 5)
            failure("FCFS showed " + std::to_string(sink.stepMessages()) + " step messages");
    } else if (sink.stepMessages() != 0 && sink.stepMessages() != 10) {
        failure("SJF showed " + std::to_string(sink.stepMessages()) + " step messages");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::string_view input(reinterpret_cast<const char *>(data), size);
    bool messages = false;
    std::string separator = ".";
    while (!input.empty() && (input.front() == '!' || input.front() == ',')) {
        if (input.front() == '!')
            messages = true;
        else
            separator = ",";
        input.remove_prefix(1);
    }

    // Text1..Text10; missing texts are empty boxes, anything after the tenth belongs to it.
    std::array<std::string, 10> box;
    for (std::size_t i = 0; i < box.size(); ++i) {
        const auto end = i + 1 < box.size() ? input.find(';') : std::string_view::npos;
        box[i] = std::string(input.substr(0, end));
        input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
    }
    engine::BoxTexts texts;
    texts.arrival = {box[0], box[1], box[2], box[3], box[9]};
    texts.burst = {box[4], box[5], box[6], box[7], box[8]};

    engine::ProcessSet processes;
    try {
        processes = engine::ProcessSet::read(texts);
    } catch (const engine::RuntimeError &error) {
        // Reading the boxes can only overflow; the window reports that itself.
        if (error.number() != 6)
            failure("reading the boxes failed with error " + std::to_string(error.number()));
        return 0;
    }

    {
        g_policy = "FCFS";
        CheckingSink sink(messages, separator);
        engine::WorkingValues values;
        engine::runFcfs(processes, values, sink, separator);
        checkOutcome(sink, processes, engine::texts::kFcfsRefusalTitle, separator, true);
    }
    {
        g_policy = "SJF";
        CheckingSink sink(messages, separator);
        engine::WorkingValues values;
        engine::runSjf(processes, values, sink, separator);
        checkOutcome(sink, processes, engine::texts::kSjfRefusalTitle, separator, false);
    }
    return 0;
}
