#pragma once

#include <functional>

namespace engine {

class ScheduleSink;

// Runs a schedule's body so that any failure inside it stops the body at that point and is
// reported once through sink.showFatalError with the number and description of the failure.
// What the body wrote before the failure stays as written.
void runGuarded(ScheduleSink &sink, const std::function<void()> &body);

} // namespace engine
