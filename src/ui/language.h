#pragma once

#include <QStringView>

#include <optional>

// The language of the windows. The Indonesian texts are the source texts of every window, so
// Indonesian means no translator at all; English installs the program's two translations
// (:/i18n/quorvel_en.qm for the main windows, :/i18n/quorvel_lab_en.qm for the laboratory,
// Latihan and the worksheets) on the application. Qt then sends QEvent::LanguageChange to every
// widget, and each window sets its texts again in its changeEvent. The program starts in
// Indonesian whatever the system's locale, and nothing is kept between runs. The locale (and so
// the decimal separator of numbers) is not touched.
namespace language {

enum class Language { Indonesian, English };

// Installs or removes the translators; the LanguageChange events are delivered before it returns,
// so every open window shows the new language at once. Choosing the language already in force
// does nothing. Needs the QCoreApplication.
void setLanguage(Language language);

Language currentLanguage();

// The language named by its short id, as on the command line: "id" or "en" (any case).
std::optional<Language> fromId(QStringView id);

// The short id of a language: "id" or "en".
QStringView id(Language language);

} // namespace language
