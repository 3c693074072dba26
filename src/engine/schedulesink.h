#pragma once

#include <string>

namespace engine {

// Everything a scheduling run does to the outside world goes through this interface, in the
// order the run does it. The main window implements it and stays the only owner of its
// controls; tests implement it to record a run.
//
// Texts are UTF-8 (in practice plain ASCII).
class ScheduleSink {
public:
    virtual ~ScheduleSink() = default;

    // Caption of AWTDetail(index) / TurnAround(index), index 0..4 for P1..P5.
    virtual void setWaitingCaption(int index, const std::string &caption) = 0;
    virtual void setTurnaroundCaption(int index, const std::string &caption) = 0;

    // Texts of the result boxes HasilAWT and HasilATT.
    virtual void setWaitingResult(const std::string &text) = 0;
    virtual void setTurnaroundResult(const std::string &text) = 0;

    // Read before every step message: true when "Process with Message" is ticked.
    virtual bool stepMessagesWanted() = 0;
    // A step message: modal box titled "Quorvel", no icon, OK only. Returns when it is closed.
    virtual void showStepMessage(const std::string &text) = 0;

    // The schedule is refused because P1 arrives after 0: show the warning box with this
    // title and text (modal), then put the focus on Text1 and turn its background red.
    virtual void refuseSchedule(const std::string &title, const std::string &text) = 0;

    // An unexpected failure stopped the run, with its error number and description (6,
    // "Overflow"): show the "Fatal Error" box (stop icon) with texts::fatalErrorText of the two.
    // A sink that draws the schedule also shows that the run stopped there.
    virtual void showFatalError(int number, const std::string &description) = 0;

    // Enables Timer1, the blink of HasilAWT.
    virtual void enableBlinkTimer() = 0;

    // The processor runs P(index+1), index 0..4, from start to finish on the run's clock.
    // Reported once per process, in the order the waiting-time phase schedules them, right
    // after that process's waiting time is computed and before its step message; the
    // turnaround phase repeats the same order and reports nothing. Sinks that draw no
    // picture of the schedule leave it as it is.
    virtual void processScheduled(int index, double start, double finish)
    {
        static_cast<void>(index);
        static_cast<void>(start);
        static_cast<void>(finish);
    }
};

} // namespace engine
