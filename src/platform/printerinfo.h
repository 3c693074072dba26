#pragma once

#include <QString>

#include <optional>

namespace platform {

// What the system tells about its default printer. A detail it could not give is empty, so that
// a caller listing them one by one can stop at the first one missing.
struct PrinterDetails {
    std::optional<QString> deviceName; // the queue's name
    std::optional<QString> port;       // where the queue sends its jobs: its device URI
    std::optional<QString> driverName; // the queue's make and model
    std::optional<int> colorMode;      // 2 when the printer can print in colour, else 1
    QString errorString;               // why the first missing detail is missing
};

// Asks the print system (CUPS, as the client settings of this moment name it) for the default
// destination. Without one, every detail is empty.
PrinterDetails defaultPrinterDetails();

// The name of the default destination, or empty when there is none; errorString then says why.
QString defaultPrinterName(QString *errorString = nullptr);

// Asks the server itself for the printer attributes of one queue: device-uri,
// printer-make-and-model and color-supported. Used where the destination list lacks them.
PrinterDetails queryPrinterAttributes(const QString &queueName);

} // namespace platform
