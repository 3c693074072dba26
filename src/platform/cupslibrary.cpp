#include "platform/cupslibrary.h"

#include <dlfcn.h>

#include <string>

namespace platform {

namespace {

constexpr const char *kLibraryName = "libcups.so.2";

struct Loaded {
    CupsLibrary table;
    bool complete = false;
    std::string error;
};

template <typename Fn>
bool resolve(void *handle, const char *symbol, Fn &slot, std::string &error)
{
    void *address = dlsym(handle, symbol);
    if (!address) {
        error = std::string("libcups lacks ") + symbol;
        return false;
    }
    slot = reinterpret_cast<Fn>(address);
    return true;
}

Loaded load()
{
    Loaded loaded;
    // The handle stays open for the life of the process: libcups keeps per-thread state and
    // registers handlers that must not outlive its code.
    void *handle = dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char *why = dlerror();
        loaded.error = std::string("the print system library could not be loaded: ") + (why ? why : kLibraryName);
        return loaded;
    }
    CupsLibrary &t = loaded.table;
    std::string &e = loaded.error;
    loaded.complete = resolve(handle, "cupsLastError", t.lastError, e)
                      && resolve(handle, "cupsLastErrorString", t.lastErrorString, e)
                      && resolve(handle, "cupsSetServer", t.setServer, e)
                      && resolve(handle, "cupsGetNamedDest", t.getNamedDest, e)
                      && resolve(handle, "cupsFreeDests", t.freeDests, e)
                      && resolve(handle, "cupsGetOption", t.getOption, e)
                      && resolve(handle, "cupsAddOption", t.addOption, e)
                      && resolve(handle, "cupsFreeOptions", t.freeOptions, e)
                      && resolve(handle, "cupsDoRequest", t.doRequest, e)
                      && resolve(handle, "cupsPrintFile2", t.printFile2, e)
                      && resolve(handle, "httpAssembleURIf", t.httpAssembleURIf, e)
                      && resolve(handle, "ippPort", t.ippPort, e)
                      && resolve(handle, "ippNewRequest", t.ippNewRequest, e)
                      && resolve(handle, "ippAddString", t.ippAddString, e)
                      && resolve(handle, "ippAddStrings", t.ippAddStrings, e)
                      && resolve(handle, "ippFindAttribute", t.ippFindAttribute, e)
                      && resolve(handle, "ippGetString", t.ippGetString, e)
                      && resolve(handle, "ippGetBoolean", t.ippGetBoolean, e)
                      && resolve(handle, "ippDelete", t.ippDelete, e);
    return loaded;
}

const Loaded &loadedOnce()
{
    static const Loaded loaded = load();
    return loaded;
}

} // namespace

const CupsLibrary *cupsLibrary()
{
    const Loaded &loaded = loadedOnce();
    return loaded.complete ? &loaded.table : nullptr;
}

const char *cupsLibraryError()
{
    const Loaded &loaded = loadedOnce();
    return loaded.complete ? "" : loaded.error.c_str();
}

} // namespace platform
