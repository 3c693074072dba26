#pragma once

#include "lab/schedule.h"
#include "lab/settings.h"
#include "lab/workload.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Practice exercises: a problem made from a short code that a lecturer can write on a board,
// the same on every machine and build, with the promises of its level checked when it is made.
namespace practice {

enum class Level {
    Basic,          // "dasar": no idle time, no ties, switch cost 0; round robin quantum 2 to 5
    Intermediate,   // "menengah": at least one idle gap and at least one tie a tie rule decides
    Advanced,       // "lanjut": a preemption under SRTF / priority preemptive, a newcomer at the
                    // instant a quantum runs out under round robin; switch cost 0 or 1
};
// In full (keepsPromises checks exactly this):
//  - Basic: the first arrival at 0, no Idle piece, no decision settled by a tie rule, switch cost
//    0, priority order low-first, round robin newcomer-first; under round robin also no two equal
//    arrivals (their queue order is the tie rule's) and no newcomer at the instant a quantum runs
//    out (the one contested case of round robin).
//  - Intermediate: an Idle piece and a tie (LevelFacts::tie), switch cost 0, the default rules.
//  - Advanced: SRTF and priority preemptive a Preempt decision, switch cost 0 or 1 (drawn); round
//    robin a newcomer at a quantum's end, switch cost 0 or 1; the other policies an Idle piece or a
//    tie, and switch cost 1. Priority order and round robin rule are drawn at this level.

// "dasar", "menengah", "lanjut" and back (read in any case).
std::string_view levelId(Level level);
std::optional<Level> levelFromId(std::string_view id);

inline constexpr int kMinProcesses = 3;
inline constexpr int kMaxProcesses = 10;

// Everything a code stands for: the policy with its quantum, how many processes, the level, and
// the serial number that tells apart the exercises sharing all of those.
struct ExerciseKey {
    lab::Policy policy = lab::Policy::Fcfs;
    lab::Time quantum = 2;    // round robin only; 2 to 5 (the other policies' keys keep 2)
    int processes = 5;        // kMinProcesses to kMaxProcesses
    Level level = Level::Basic;
    std::uint32_t serial = 0; // 25 bits, written as the code's last five characters

    bool operator==(const ExerciseKey &) const = default;
};

// The code of a key, such as "RR4-7M-K3PX9": three parts joined by hyphens. First the policy's tag
// (FCFS, SJF, SRTF, PRI, PRIP, HRRN, or RR followed by the quantum), then the process count
// followed by the level's letter (D, M, L), then the serial as five base-32 characters, five bits
// each, from the 32 digits and capitals that leave out I, L, O and U.
std::string exerciseCode(const ExerciseKey &key);
// Reads a code back. Upper or lower case and blanks around the code are all the same; in the
// serial, a letter typed for the digit it looks like (O for 0, I or L for 1) counts as that
// digit. The count is plain digits with no leading zero. Nothing comes back for a malformed code
// or one out of range: a tag that is no policy, a quantum outside 2..5, a count outside 3..10, or
// a serial holding a U or any other character outside the alphabet.
std::optional<ExerciseKey> parseExerciseCode(std::string_view code);

// A whole exercise: its key, code, settings, workload and the engine's solution.
struct Exercise {
    ExerciseKey key;
    std::string code;
    lab::Settings settings;
    lab::Workload workload;
    lab::Schedule solution;
    int attempts = 1;   // how many drafts the generator made before one kept the level's promises
};

// Makes the exercise of a key. Draft after draft (each drawn from the whole key and its own
// number) is solved, and the first whose schedule shows everything the level promises is kept. The processes are P1..Pn
// in the order they arrive, P1 at 0, the others 0 to 4 apart (further after an idle gap), bursts
// 1 to 9, priorities 0 to 5 (generated for every policy, shown for the priority ones). Deterministic: the same
// key gives the same exercise everywhere. Throws std::invalid_argument for a count outside 3..10
// or a round robin quantum outside 2..5 (a parsed code never has either). Drafts are capped at
// 10,000; the tests show every policy, level and count keeps its promises well within that.
Exercise makeExercise(const ExerciseKey &key);

// What the level promises, checked on a solved exercise (also used by the tests).
struct LevelFacts {
    bool idle = false;             // an Idle segment
    bool tie = false;              // a decision settled by a tie rule; round robin, whose decisions
                                   // never tie: two equal arrivals, queued by the tie rule
    bool preemption = false;       // a Preempt decision
    bool newcomerAtExpiry = false; // round robin: an arrival at the instant a quantum ran out
    bool firstArrivalZero = false; // the earliest arrival is at time 0
};
LevelFacts levelFacts(const lab::Workload &workload, const lab::Schedule &schedule);
bool keepsPromises(Level level, const lab::Settings &settings, const LevelFacts &facts);

// A new key with the given count and level. The serial, and the policy when none is given, are
// drawn from `entropy` (a fresh value from the window; a fixed one in the tests).
ExerciseKey newKey(std::optional<lab::Policy> policy, int processes, Level level, std::uint64_t entropy);

// The key of a worksheet variant: a class code (letters and digits) and the variant number
// (1-based) decide the serial, and, when no policy is given, the policy; so a class's sheets are
// the same every time they are printed.
ExerciseKey variantKey(std::string_view classCode, int variant, std::optional<lab::Policy> policy,
                       int processes, Level level);

} // namespace practice
