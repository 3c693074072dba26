#pragma once

// Ends the whole program at once: every window disappears without its closing handler running,
// every event loop (nested ones of modal boxes included) is left so no timer fires again, and
// the program returns from its main loop with exit code 0. Nothing is asked or saved.
void endProgramNow();
