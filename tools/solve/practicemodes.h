#pragma once

#include <string_view>
#include <vector>

// The solver's two modes for practice exercises:
//   --exercise CODE [--format table|csv|json]
//       the exercise of a code and its solution;
//   --worksheets CLASS --variants N [--policy P|acak] [--level L] [--processes N] --output DIR
//       a class's worksheets and answer key as PDF files, the variants' codes on standard output.
namespace practicemodes {

// The paragraph these modes add to the solver's usage.
extern const std::string_view kUsage;

// Whether the command line asks for one of them (an --exercise or --worksheets option before
// any "--").
bool requested(const std::vector<std::string_view> &args);

// Runs the mode the arguments ask for and returns the exit status: 0 on success, 2 for bad usage
// or an unknown exercise code (one line on standard error), 1 when an output cannot be written.
int run(const std::vector<std::string_view> &args);

} // namespace practicemodes
