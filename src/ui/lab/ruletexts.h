#pragma once

#include "lab/settings.h"

#include <QString>

// The engine's rules in the laboratory's words: one Indonesian line each, with the engine's
// short name (lab::ruleId) kept beside it, as every output shows it.
namespace labui {

// The short name, such as "tie-arrival-then-list".
QString ruleName(lab::Rule rule);

// One line saying what the rule does, such as "Nilai sama: yang datang lebih dulu ...".
QString ruleDescription(lab::Rule rule);

// The same, with the numbers of these settings filled in where a rule has one (the switch cost).
QString ruleDescription(lab::Rule rule, const lab::Settings &settings);

// The description followed by the short name: "... (tie-arrival-then-list)".
QString ruleLine(lab::Rule rule, const lab::Settings &settings);

// The lines of the rules in force for these settings, in the engine's order.
QStringList rulesInForceLines(const lab::Settings &settings);

} // namespace labui
