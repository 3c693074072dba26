#pragma once

#include "lab/schedule.h"
#include "lab/settings.h"
#include "lab/workload.h"

#include <QString>

#include <cstddef>
#include <vector>

// The laboratory's decisions as Indonesian sentences, one per decision of a schedule and one
// per idle piece, such as "t=5: siap P2 (burst 3), P3 (burst 8); terpendek: P2". Plain
// functions over the engine's types, so that any window can explain a decision: the steps list
// shows them all, the practice window the one a student got wrong.
namespace labui {

// One line of the steps of a schedule: a decision or an idle piece.
struct Step {
    enum class Kind { Decision, Idle };
    Kind kind = Kind::Decision;
    lab::Time time = 0;       // the decision's time, or the idle piece's start
    std::size_t index = 0;    // into Schedule::decisions, or into Schedule::segments

    bool operator==(const Step &) const = default;
};

// The decisions and the idle pieces of a schedule in time order; at one instant the decisions
// come first, in the engine's order.
std::vector<Step> stepsOf(const lab::Schedule &schedule);

// The sentence of one step.
QString stepText(const lab::Workload &workload, const lab::Schedule &schedule, const Step &step);

// The sentence of one decision: who was ready (or queued) with their keys, what chose, and the
// context switch that follows it, if the schedule has one.
QString decisionText(const lab::Workload &workload, const lab::Schedule &schedule,
                     const lab::Decision &decision);

// "t=7-9: tidak ada proses siap, CPU idle".
QString idleText(const lab::Segment &segment);

// The key a decision compared, without the name: "burst 3", "sisa 3", "prioritas 2",
// "datang 0", "rasio (6+3)/3 = 3"; empty for a queue position (the order says it).
QString keyText(lab::KeyKind kind, const lab::Candidate &candidate);

// A candidate with its key: "P2 (burst 3)", or the name alone for a queue position.
QString candidateText(const lab::Workload &workload, lab::KeyKind kind,
                      const lab::Candidate &candidate);

// The dispatcher time the schedule spends right after this decision loading its chosen
// process (its Switch segment), 0 when there is none.
lab::Time switchAfter(const lab::Schedule &schedule, const lab::Decision &decision);

// The engine's rules that settled this decision (see ruletexts.h for their words).
std::vector<lab::Rule> decidingRules(const lab::Workload &workload, const lab::Schedule &schedule,
                                     const lab::Decision &decision);

// The rules behind a step: those of its decision, or the idle rule.
std::vector<lab::Rule> stepRules(const lab::Workload &workload, const lab::Schedule &schedule,
                                 const Step &step);

// A process's name as the workload gives it ("?" for no process).
QString processName(const lab::Workload &workload, std::size_t process);

// The decision's candidate entry of a process, if the decision listed it.
const lab::Candidate *findCandidate(const lab::Decision &decision, std::size_t process);

// The segment that starts at this instant, if any.
const lab::Segment *segmentStartingAt(const lab::Schedule &schedule, lab::Time time);

// The rule that orders priorities under these settings.
lab::Rule priorityRule(const lab::Settings &settings);

} // namespace labui
