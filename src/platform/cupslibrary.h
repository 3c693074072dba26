#pragma once

#include <cups/cups.h>

namespace platform {

// libcups and what it pulls in (TLS, Kerberos, ...) cost several MiB on every start, while most
// runs never print. The printer layer therefore opens the library the first time it needs it
// and calls it through this table. The header is still used for the types and constants.
struct CupsLibrary {
    decltype(&::cupsLastError) lastError = nullptr;
    decltype(&::cupsLastErrorString) lastErrorString = nullptr;
    decltype(&::cupsSetServer) setServer = nullptr;
    decltype(&::cupsGetNamedDest) getNamedDest = nullptr;
    decltype(&::cupsFreeDests) freeDests = nullptr;
    decltype(&::cupsGetOption) getOption = nullptr;
    decltype(&::cupsAddOption) addOption = nullptr;
    decltype(&::cupsFreeOptions) freeOptions = nullptr;
    decltype(&::cupsDoRequest) doRequest = nullptr;
    decltype(&::cupsPrintFile2) printFile2 = nullptr;
    decltype(&::httpAssembleURIf) httpAssembleURIf = nullptr;
    decltype(&::ippPort) ippPort = nullptr;
    decltype(&::ippNewRequest) ippNewRequest = nullptr;
    decltype(&::ippAddString) ippAddString = nullptr;
    decltype(&::ippAddStrings) ippAddStrings = nullptr;
    decltype(&::ippFindAttribute) ippFindAttribute = nullptr;
    decltype(&::ippGetString) ippGetString = nullptr;
    decltype(&::ippGetBoolean) ippGetBoolean = nullptr;
    decltype(&::ippDelete) ippDelete = nullptr;
};

// The table, loading the library on the first call. Null when the library or one of its
// functions cannot be found; the outcome of the first attempt is kept for the whole run.
const CupsLibrary *cupsLibrary();

// Why cupsLibrary() returned null.
const char *cupsLibraryError();

} // namespace platform
