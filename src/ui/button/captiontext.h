#pragma once

class QString;

// The caption as it reads on the button: every access-key marker taken out ("&Proses" reads
// "Proses", "R&&D" reads "R&D"). Line breaks are kept.
QString captionWithoutMarkers(const QString &caption);
