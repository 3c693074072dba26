#include "platform/printerinfo.h"

#include <cups/cups.h>

#include <memory>

namespace platform {

namespace {

struct DestFree {
    void operator()(cups_dest_t *dest) const { cupsFreeDests(1, dest); }
};
using DestPtr = std::unique_ptr<cups_dest_t, DestFree>;

struct IppFree {
    void operator()(ipp_t *ipp) const { ippDelete(ipp); }
};
using IppPtr = std::unique_ptr<ipp_t, IppFree>;

QString lastCupsError(const char *fallback)
{
    const char *text = cupsLastErrorString();
    if (cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE || !text || !*text)
        return QString::fromUtf8(fallback);
    return QString::fromUtf8(text);
}

// The settings may have changed since the last query (another server, a printer added or
// removed); dropping the cached server name makes libcups read them again.
void forgetCachedServer()
{
    cupsSetServer(nullptr);
}

DestPtr defaultDest(QString *errorString)
{
    forgetCachedServer();
    DestPtr dest(cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr));
    if (!dest && errorString)
        *errorString = lastCupsError("no default printer");
    return dest;
}

std::optional<QString> destOption(const cups_dest_t *dest, const char *name)
{
    const char *value = cupsGetOption(name, dest->num_options, dest->options);
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
    forgetCachedServer();

    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(),
                     "/printers/%s", queueName.toUtf8().constData());
    ipp_t *request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    static const char *const wanted[] = {"device-uri", "printer-make-and-model", "color-supported"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  int(std::size(wanted)), nullptr, wanted);
    // cupsDoRequest takes the request over, whatever the outcome.
    IppPtr response(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"));
    if (!response || cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE) {
        details.errorString = lastCupsError("the printer does not answer");
        return details;
    }

    details.deviceName = queueName;
    if (ipp_attribute_t *attr = ippFindAttribute(response.get(), "device-uri", IPP_TAG_URI))
        details.port = QString::fromUtf8(ippGetString(attr, 0, nullptr));
    if (ipp_attribute_t *attr = ippFindAttribute(response.get(), "printer-make-and-model", IPP_TAG_TEXT))
        details.driverName = QString::fromUtf8(ippGetString(attr, 0, nullptr));
    if (ipp_attribute_t *attr = ippFindAttribute(response.get(), "color-supported", IPP_TAG_BOOLEAN))
        details.colorMode = ippGetBoolean(attr, 0) ? 2 : 1;
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
