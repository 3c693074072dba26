#include "practice/exercise.h"

#include "lab/random.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <vector>

namespace practice {

namespace {

// --- codes -------------------------------------------------------------------------------------

// The 32 characters of a serial: the digits, then the capitals less I, L, O and U, which are too
// easily taken for 1, 1, 0 and V.
constexpr std::string_view kSerialAlphabet = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr int kSerialCharacters = 5;
constexpr std::uint32_t kSerialMask = (1u << (5 * kSerialCharacters)) - 1;   // 25 bits

struct PolicyTag {
    lab::Policy policy;
    std::string_view tag;
};

// The tags of the codes. Round robin's tag is "RR" followed by its quantum.
constexpr std::array<PolicyTag, 7> kPolicyTags{{
    {lab::Policy::Fcfs, "FCFS"},
    {lab::Policy::Sjf, "SJF"},
    {lab::Policy::Srtf, "SRTF"},
    {lab::Policy::RoundRobin, "RR"},
    {lab::Policy::Priority, "PRI"},
    {lab::Policy::PriorityPreemptive, "PRIP"},
    {lab::Policy::Hrrn, "HRRN"},
}};

constexpr std::array<char, 3> kLevelLetters{'D', 'M', 'L'};

constexpr lab::Time kMinQuantum = 2;
constexpr lab::Time kMaxQuantum = 5;

char upper(char ch)
{
    return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch;
}

bool isDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

// What one upper-case character of a serial is worth, 0 to 31. O, I and L, which the alphabet
// leaves out, are read as the digits they resemble.
std::optional<std::uint32_t> serialDigit(char ch)
{
    if (ch == 'O')
        ch = '0';
    else if (ch == 'I' || ch == 'L')
        ch = '1';
    const std::size_t at = kSerialAlphabet.find(ch);
    if (at == std::string_view::npos)
        return std::nullopt;
    return static_cast<std::uint32_t>(at);
}

int policyIndex(lab::Policy policy)
{
    for (std::size_t i = 0; i < lab::kAllPolicies.size(); ++i) {
        if (lab::kAllPolicies[i] == policy)
            return static_cast<int>(i);
    }
    return 0;
}

void requireCount(int processes)
{
    if (processes < kMinProcesses || processes > kMaxProcesses)
        throw std::invalid_argument("an exercise has 3 to 10 processes");
}

// --- drafts ------------------------------------------------------------------------------------

// Where the numbers of draft k of a key come from. The whole key goes into one 64-bit word, each
// field in bits of its own: the level in bits 0-3, the count in 4-11, the quantum in 12-15, the
// policy's place in lab::kAllPolicies in 16-23 and the serial from bit 24 up. That word times one
// odd constant, exclusive-or k + 1 times another (both modulo 2^64), starts a lab::Random, which
// mixes its state again on every draw; neighbouring keys and drafts thus start far apart.
lab::Random draftRandom(const ExerciseKey &key, std::uint64_t k)
{
    const std::uint64_t packed = (static_cast<std::uint64_t>(key.serial & kSerialMask) << 24)
        | (static_cast<std::uint64_t>(policyIndex(key.policy)) << 16)
        | (static_cast<std::uint64_t>(key.quantum & 0xF) << 12)
        | (static_cast<std::uint64_t>(key.processes & 0xFF) << 4)
        | static_cast<std::uint64_t>(key.level);
    return lab::Random(packed * 0x9E3779B97F4A7C15ULL ^ (k + 1) * 0xD6E8FEB86659FD93ULL);
}

bool isPreemptiveKeyed(lab::Policy policy)
{
    return policy == lab::Policy::Srtf || policy == lab::Policy::PriorityPreemptive;
}

lab::Settings draftSettings(const ExerciseKey &key, lab::Random &random)
{
    lab::Settings settings;
    settings.policy = key.policy;
    settings.quantum = lab::usesQuantum(key.policy) ? key.quantum : 2;
    if (key.level == Level::Advanced) {
        if (lab::usesPriority(key.policy) && random.between(0, 1) == 1)
            settings.priorityOrder = lab::PriorityOrder::HighFirst;
        if (lab::usesQuantum(key.policy) && random.between(0, 1) == 1)
            settings.roundRobinRule = lab::RoundRobinRule::PreemptedFirst;
        // The preemptive policies keep their promise by a preemption or a newcomer at a quantum's
        // end and may cost nothing per switch; the others show the switch cost itself.
        settings.switchCost = isPreemptiveKeyed(key.policy) || lab::usesQuantum(key.policy)
            ? random.between(0, 1)
            : 1;
    }
    return settings;
}

// The time the processor falls idle after the processes so far, all else absent.
lab::Time busyUntil(const lab::Workload &prefix, const lab::Settings &settings)
{
    lab::Options options;
    options.recordDecisions = false;
    return lab::solve(prefix, settings, options).lastCompletion;
}

// Fisher-Yates with the draft's generator.
void shuffle(std::vector<lab::Time> &values, lab::Random &random)
{
    for (std::size_t i = values.size(); i > 1; --i) {
        const auto j = static_cast<std::size_t>(random.between(0, static_cast<std::int64_t>(i) - 1));
        std::swap(values[i - 1], values[j]);
    }
}

// One draft: arrivals in list order (P1 first, at 0), bursts 1 to 9, priorities 0 to 5.
//  - Basic: each arrival 0 to 3 after the one before (1 to 3 where equal arrivals would be a tie:
//    FCFS and round robin), never after the work before it is done, so the processor never idles.
//  - The other levels: the first m processes (m from 1 to a third of the count) arrive 0 to 3
//    apart, the next one 1 to 3 after they are all done (an idle gap; drawn at the advanced level,
//    always at the intermediate one), the rest 0 to 3 apart again. A burst or priority copies an
//    earlier one one time in three, which makes ties likely.
lab::Workload draftWorkload(const ExerciseKey &key, const lab::Settings &settings, lab::Random &random)
{
    const int n = key.processes;
    lab::Workload workload(static_cast<std::size_t>(n));
    const bool copies = key.level != Level::Basic;
    for (int i = 0; i < n; ++i) {
        lab::Process &process = workload[static_cast<std::size_t>(i)];
        process.name = 'P';
        process.name += std::to_string(i + 1);
        process.burst = random.between(1, 9);
        process.priority = random.between(0, 5);
        if (copies && i > 0 && random.between(0, 2) == 0)
            process.burst = workload[static_cast<std::size_t>(random.between(0, i - 1))].burst;
        if (copies && i > 0 && random.between(0, 2) == 0)
            process.priority = workload[static_cast<std::size_t>(random.between(0, i - 1))].priority;
    }

    if (key.level == Level::Basic && lab::usesPriority(key.policy)) {
        // As few equal priorities as can be: each of 0..5 once before any comes again, shuffled.
        std::vector<lab::Time> values;
        while (values.size() < workload.size()) {
            std::vector<lab::Time> round{0, 1, 2, 3, 4, 5};
            shuffle(round, random);
            values.insert(values.end(), round.begin(), round.end());
        }
        values.resize(workload.size());
        shuffle(values, random);
        for (std::size_t i = 0; i < workload.size(); ++i)
            workload[i].priority = values[i];
    }

    if (key.level == Level::Basic) {
        const bool distinct = key.policy == lab::Policy::Fcfs || key.policy == lab::Policy::RoundRobin
            || lab::usesPriority(key.policy);
        // Priorities repeat from seven processes on: arrivals further apart keep fewer of them
        // waiting together, so fewer equal ones meet.
        const lab::Time spread = lab::usesPriority(key.policy) ? 4 : 3;
        lab::Time doneBy = workload[0].burst;   // no idle so far, no switch cost: the bursts' sum
        workload[0].arrival = 0;
        for (int i = 1; i < n; ++i) {
            lab::Process &process = workload[static_cast<std::size_t>(i)];
            const lab::Time step = random.between(distinct ? 1 : 0, spread);
            process.arrival = std::min(workload[static_cast<std::size_t>(i - 1)].arrival + step, doneBy);
            doneBy += process.burst;
        }
        return workload;
    }

    bool gap = true;
    if (key.level == Level::Advanced)
        gap = random.between(0, 2) == 0;
    const int gapBefore = gap ? static_cast<int>(random.between(1, std::max(1, n / 3))) : n;
    workload[0].arrival = 0;
    for (int i = 1; i < n; ++i) {
        lab::Process &process = workload[static_cast<std::size_t>(i)];
        if (i == gapBefore) {
            const lab::Workload prefix(workload.begin(), workload.begin() + i);
            process.arrival = busyUntil(prefix, settings) + random.between(1, 3);
        } else {
            process.arrival = workload[static_cast<std::size_t>(i - 1)].arrival + random.between(0, 3);
        }
    }
    return workload;
}

constexpr int kMaxDrafts = 10'000;

} // namespace

std::string_view levelId(Level level)
{
    switch (level) {
    case Level::Basic:
        return "dasar";
    case Level::Intermediate:
        return "menengah";
    case Level::Advanced:
        return "lanjut";
    }
    return "dasar";
}

std::optional<Level> levelFromId(std::string_view id)
{
    std::string lower;
    for (char ch : id)
        lower += ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
    for (Level level : {Level::Basic, Level::Intermediate, Level::Advanced}) {
        if (levelId(level) == lower)
            return level;
    }
    return std::nullopt;
}

std::string exerciseCode(const ExerciseKey &key)
{
    std::string code;
    for (const PolicyTag &entry : kPolicyTags) {
        if (entry.policy == key.policy)
            code = entry.tag;
    }
    if (lab::usesQuantum(key.policy))
        code += std::to_string(key.quantum);
    code += '-';
    code += std::to_string(key.processes);
    code += kLevelLetters[static_cast<std::size_t>(key.level)];
    code += '-';
    const std::uint32_t serial = key.serial & kSerialMask;
    for (int i = kSerialCharacters - 1; i >= 0; --i)
        code += kSerialAlphabet[(serial >> (5 * i)) & 0x1F];
    return code;
}

std::optional<ExerciseKey> parseExerciseCode(std::string_view code)
{
    std::string text = lab::trimmed(code);
    for (char &ch : text)
        ch = upper(ch);

    const std::size_t first = text.find('-');
    if (first == std::string::npos)
        return std::nullopt;
    const std::size_t second = text.find('-', first + 1);
    if (second == std::string::npos || text.find('-', second + 1) != std::string::npos)
        return std::nullopt;
    const std::string_view policyPart = std::string_view(text).substr(0, first);
    const std::string_view countPart = std::string_view(text).substr(first + 1, second - first - 1);
    const std::string_view serialPart = std::string_view(text).substr(second + 1);

    ExerciseKey key;
    // The policy: a tag, round robin's with one digit of quantum.
    bool known = false;
    for (const PolicyTag &entry : kPolicyTags) {
        if (entry.policy == lab::Policy::RoundRobin) {
            if (policyPart.size() == entry.tag.size() + 1 && policyPart.substr(0, entry.tag.size()) == entry.tag
                && isDigit(policyPart.back())) {
                key.quantum = policyPart.back() - '0';
                if (key.quantum < kMinQuantum || key.quantum > kMaxQuantum)
                    return std::nullopt;
                key.policy = entry.policy;
                known = true;
            }
        } else if (policyPart == entry.tag) {
            key.policy = entry.policy;
            known = true;
        }
    }
    if (!known)
        return std::nullopt;

    // The count (no leading zero) and the level's letter.
    if (countPart.size() < 2 || countPart.size() > 3)
        return std::nullopt;
    const std::string_view digits = countPart.substr(0, countPart.size() - 1);
    if (digits.front() == '0')
        return std::nullopt;
    int count = 0;
    for (char ch : digits) {
        if (!isDigit(ch))
            return std::nullopt;
        count = count * 10 + (ch - '0');
    }
    if (count < kMinProcesses || count > kMaxProcesses)
        return std::nullopt;
    key.processes = count;
    const auto letter = std::find(kLevelLetters.begin(), kLevelLetters.end(), countPart.back());
    if (letter == kLevelLetters.end())
        return std::nullopt;
    key.level = static_cast<Level>(letter - kLevelLetters.begin());

    // The serial: exactly five characters of its alphabet.
    if (serialPart.size() != static_cast<std::size_t>(kSerialCharacters))
        return std::nullopt;
    std::uint32_t serial = 0;
    for (char ch : serialPart) {
        const auto value = serialDigit(ch);
        if (!value)
            return std::nullopt;
        serial = serial << 5 | *value;
    }
    key.serial = serial;
    return key;
}

LevelFacts levelFacts(const lab::Workload &workload, const lab::Schedule &schedule)
{
    LevelFacts facts;
    for (const lab::Segment &segment : schedule.segments) {
        if (segment.kind == lab::SegmentKind::Idle)
            facts.idle = true;
    }
    for (const lab::Decision &decision : schedule.decisions) {
        if (decision.tie != lab::TieBreak::None)
            facts.tie = true;
        if (decision.kind == lab::DecisionKind::Preempt)
            facts.preemption = true;
    }
    facts.firstArrivalZero = !workload.empty() && schedule.firstArrival == 0;
    if (schedule.settings.policy != lab::Policy::RoundRobin)
        return facts;

    // Round robin orders newcomers of one instant by the tie rule (arrival, then list order): two
    // equal arrivals are its tie.
    for (std::size_t i = 0; i < workload.size() && !facts.tie; ++i) {
        for (std::size_t j = i + 1; j < workload.size(); ++j) {
            if (workload[i].arrival == workload[j].arrival) {
                facts.tie = true;
                break;
            }
        }
    }
    // Every Run piece starts a quantum (after a switch, after idle time or at the start), and a
    // piece of one process that goes on (the queue empty at its quantum's end) is one merged
    // piece: its quanta run out at start + q, start + 2q, ... while the process has work left.
    const lab::Time quantum = schedule.settings.quantum;
    for (const lab::Segment &segment : schedule.segments) {
        if (segment.kind != lab::SegmentKind::Run || quantum <= 0)
            continue;
        const lab::Time completion = schedule.processes.at(segment.process).completion;
        for (lab::Time t = segment.start + quantum; t <= segment.end && t < completion; t += quantum) {
            for (const lab::Process &process : workload) {
                if (process.arrival == t)
                    facts.newcomerAtExpiry = true;
            }
        }
    }
    return facts;
}

bool keepsPromises(Level level, const lab::Settings &settings, const LevelFacts &facts)
{
    const bool roundRobin = settings.policy == lab::Policy::RoundRobin;
    if (roundRobin && (settings.quantum < kMinQuantum || settings.quantum > kMaxQuantum))
        return false;
    switch (level) {
    case Level::Basic:
        return facts.firstArrivalZero && !facts.idle && !facts.tie && !(roundRobin && facts.newcomerAtExpiry)
            && settings.switchCost == 0 && settings.priorityOrder == lab::PriorityOrder::LowFirst
            && settings.roundRobinRule == lab::RoundRobinRule::NewcomerFirst;
    case Level::Intermediate:
        return facts.idle && facts.tie && settings.switchCost == 0;
    case Level::Advanced:
        if (isPreemptiveKeyed(settings.policy))
            return facts.preemption && settings.switchCost >= 0 && settings.switchCost <= 1;
        if (roundRobin)
            return facts.newcomerAtExpiry && settings.switchCost >= 0 && settings.switchCost <= 1;
        return (facts.idle || facts.tie) && settings.switchCost == 1;
    }
    return false;
}

Exercise makeExercise(const ExerciseKey &key)
{
    requireCount(key.processes);
    if (lab::usesQuantum(key.policy) && (key.quantum < kMinQuantum || key.quantum > kMaxQuantum))
        throw std::invalid_argument("a round robin exercise has a quantum of 2 to 5");
    Exercise exercise;
    exercise.key = key;
    exercise.key.serial &= kSerialMask;
    if (!lab::usesQuantum(key.policy))
        exercise.key.quantum = 2;
    exercise.code = exerciseCode(exercise.key);
    for (int k = 0; k < kMaxDrafts; ++k) {
        lab::Random random = draftRandom(exercise.key, static_cast<std::uint64_t>(k));
        lab::Settings settings = draftSettings(exercise.key, random);
        lab::Workload workload = draftWorkload(exercise.key, settings, random);
        lab::Schedule solution = lab::solve(workload, settings);
        if (keepsPromises(key.level, settings, levelFacts(workload, solution))) {
            exercise.settings = settings;
            exercise.workload = std::move(workload);
            exercise.solution = std::move(solution);
            exercise.attempts = k + 1;
            return exercise;
        }
    }
    // Never reached by a key a code can name (the tests draft every policy, level and count with
    // many serials); should it happen, it fails loudly rather than hand out a wrong exercise.
    throw std::runtime_error("no draft of " + exercise.code + " keeps the level's promises");
}

namespace {

// Fills a key from the generator. The draws come in a fixed order, so that a key is always made
// the same way: first the policy, only when none was chosen (an index into lab::kAllPolicies),
// then round robin's quantum (2 to 5), last the serial (the next draw cut to 25 bits).
ExerciseKey keyFrom(lab::Random &random, std::optional<lab::Policy> policy, int processes, Level level)
{
    ExerciseKey key;
    key.policy = policy ? *policy
                        : lab::kAllPolicies[static_cast<std::size_t>(
                              random.between(0, static_cast<std::int64_t>(lab::kAllPolicies.size()) - 1))];
    key.quantum = lab::usesQuantum(key.policy) ? random.between(kMinQuantum, kMaxQuantum) : 2;
    key.processes = processes;
    key.level = level;
    key.serial = static_cast<std::uint32_t>(random.next() & kSerialMask);
    return key;
}

} // namespace

ExerciseKey newKey(std::optional<lab::Policy> policy, int processes, Level level, std::uint64_t entropy)
{
    requireCount(processes);
    lab::Random random(entropy);
    return keyFrom(random, policy, processes, level);
}

ExerciseKey variantKey(std::string_view classCode, int variant, std::optional<lab::Policy> policy,
                       int processes, Level level)
{
    requireCount(processes);
    if (variant < 1)
        throw std::invalid_argument("variants are numbered from 1");
    // The class code in capitals, a zero byte and the variant number (four bytes, the lowest
    // first) are hashed with 64-bit FNV-1a; the hash starts the generator that keyFrom draws
    // from, so the same class and variant always give the same key.
    std::uint64_t hash = 0xCBF29CE484222325ULL;
    const auto mix = [&hash](unsigned char byte) {
        hash ^= byte;
        hash *= 0x100000001B3ULL;
    };
    for (char ch : classCode)
        mix(static_cast<unsigned char>(upper(ch)));
    mix(0);
    const auto number = static_cast<std::uint32_t>(variant);
    for (int i = 0; i < 4; ++i)
        mix(static_cast<unsigned char>((number >> (8 * i)) & 0xFF));
    lab::Random random(hash);
    return keyFrom(random, policy, processes, level);
}

} // namespace practice
