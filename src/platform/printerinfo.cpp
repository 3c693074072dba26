#include "platform/printerinfo.h"

#include "platform/cupslibrary.h"

#include <memory>

namespace platform {

namespace {

// Both deleters only ever see objects the loaded library handed out.
struct DestFree {
    void operator()(cups_dest_t *dest) const { cupsLibrary()->freeDests(1, dest); }
};
using DestPtr = std::unique_ptr<cups_dest_t, DestFree>;

struct IppFree {
    void operator()(ipp_t *ipp) const { cupsLibrary()->ippDelete(ipp); }
};
using IppPtr = std::unique_ptr<ipp_t, IppFree>;

QString lastCupsError(const CupsLibrary &cups, const char *fallback)
{
    const char *text = cups.lastErrorString();
    if (cups.lastError() <= IPP_STATUS_OK_EVENTS_COMPLETE || !text || !*text)
        return QString::fromUtf8(fallback);
    return QString::fromUtf8(text);
}

// The settings may have changed since the last query (another server, a printer added or
// removed); dropping the cached server name makes libcups read them again.
void forgetCachedServer(const CupsLibrary &cups)
{
    cups.setServer(nullptr);
}

DestPtr defaultDest(QString *errorString)
{
    const CupsLibrary *cups = cupsLibrary();
    if (!cups) {
        if (errorString)
            *errorString = QString::fromUtf8(cupsLibraryError());
        return nullptr;
    }
    forgetCachedServer(*cups);
    DestPtr dest(cups->getNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr));
    if (!dest && errorString)
        *errorString = lastCupsError(*cups, "no default printer");
    return dest;
}

std::optional<QString> destOption(const cups_dest_t *dest, const char *name)
{
    const char *value = cupsLibrary()->getOption(name, dest->num_options, dest->options);
    if (!value)
        return std::nullopt;
    return QString::fromUtf8(value);
}

std::optional<int> colorModeFromPrinterType(const cups_dest_t *dest)
{
    const auto type = destOption(dest, "printer-type");
    if (!type)
        return std::nullopt;
    bool ok = false;
    const uint bits = type->toUInt(&ok);
    if (!ok)
        return std::nullopt;
    return (bits & CUPS_PRINTER_COLOR) ? 2 : 1;
}

} // namespace

QString defaultPrinterName(QString *errorString)
{
    DestPtr dest = defaultDest(errorString);
    return dest ? QString::fromUtf8(dest->name) : QString();
}

PrinterDetails queryPrinterAttributes(const QString &queueName)
{
    PrinterDetails details;
    const CupsLibrary *cups = cupsLibrary();
    if (!cups) {
        details.errorString = QString::fromUtf8(cupsLibraryError());
        return details;
    }
    forgetCachedServer(*cups);

    char uri[HTTP_MAX_URI];
    cups->httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", cups->ippPort(),
                           "/printers/%s", queueName.toUtf8().constData());
    ipp_t *request = cups->ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    cups->ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    static const char *const wanted[] = {"device-uri", "printer-make-and-model", "color-supported"};
    cups->ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                        int(std::size(wanted)), nullptr, wanted);
    // cupsDoRequest takes the request over, whatever the outcome.
    IppPtr response(cups->doRequest(CUPS_HTTP_DEFAULT, request, "/"));
    if (!response || cups->lastError() > IPP_STATUS_OK_EVENTS_COMPLETE) {
        details.errorString = lastCupsError(*cups, "the printer does not answer");
        return details;
    }

    details.deviceName = queueName;
    if (ipp_attribute_t *attr = cups->ippFindAttribute(response.get(), "device-uri", IPP_TAG_URI))
        details.port = QString::fromUtf8(cups->ippGetString(attr, 0, nullptr));
    if (ipp_attribute_t *attr = cups->ippFindAttribute(response.get(), "printer-make-and-model", IPP_TAG_TEXT))
        details.driverName = QString::fromUtf8(cups->ippGetString(attr, 0, nullptr));
    if (ipp_attribute_t *attr = cups->ippFindAttribute(response.get(), "color-supported", IPP_TAG_BOOLEAN))
        details.colorMode = cups->ippGetBoolean(attr, 0) ? 2 : 1;
    if (!details.port || !details.driverName || !details.colorMode)
        details.errorString = QStringLiteral("the printer did not report all of its details");
    return details;
}

PrinterDetails defaultPrinterDetails()
{
    PrinterDetails details;
    DestPtr dest = defaultDest(&details.errorString);
    if (!dest)
        return details;

    details.deviceName = QString::fromUtf8(dest->name);
    details.port = destOption(dest.get(), "device-uri");
    details.driverName = destOption(dest.get(), "printer-make-and-model");
    details.colorMode = colorModeFromPrinterType(dest.get());
    if (details.port && details.driverName && details.colorMode)
        return details;

    // The destination list leaves out what a queue shared from elsewhere does not publish;
    // the queue itself is asked for the rest.
    const PrinterDetails asked = queryPrinterAttributes(*details.deviceName);
    if (!details.port)
        details.port = asked.port;
    if (!details.driverName)
        details.driverName = asked.driverName;
    if (!details.colorMode)
        details.colorMode = asked.colorMode;
    if (!details.port || !details.driverName || !details.colorMode)
        details.errorString = asked.errorString.isEmpty()
                                  ? QStringLiteral("the printer did not report all of its details")
                                  : asked.errorString;
    return details;
}

} // namespace platform
