#include "engine/runguard.h"

#include "engine/runtimeerror.h"
#include "engine/schedulesink.h"
#include "engine/scheduletexts.h"

#include <exception>
#include <new>

namespace engine {

void runGuarded(ScheduleSink &sink, const std::function<void()> &body)
{
    RuntimeError failure = RuntimeError::internalError();
    try {
        body();
        return;
    } catch (const RuntimeError &error) {
        failure = error;
    } catch (const std::bad_alloc &) {
        failure = RuntimeError::outOfMemory();
    } catch (...) {
        // Everything else keeps the internal-error number.
    }
    sink.showFatalError(failure.number(), failure.description());
}

} // namespace engine
