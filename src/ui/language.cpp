#include "ui/language.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTranslator>

#include <algorithm>
#include <array>
#include <vector>

namespace language {
namespace {

// The translations built into the resources (translations/*.ts, compiled by lrelease).
constexpr std::array<const char *, 2> englishCatalogues{":/i18n/quorvel_en.qm",
                                                        ":/i18n/quorvel_lab_en.qm"};

// Owned by the application object, so that none outlives it.
std::vector<QPointer<QTranslator>> &installed()
{
    static std::vector<QPointer<QTranslator>> translators;
    return translators;
}

void removeAll()
{
    for (const QPointer<QTranslator> &translator : installed()) {
        if (translator) {
            QCoreApplication::removeTranslator(translator);
            delete translator.data();
        }
    }
    installed().clear();
}

} // namespace

void setLanguage(Language language)
{
    auto *app = QCoreApplication::instance();
    if (app == nullptr)
        return;
    if (language == currentLanguage())
        return;
    removeAll();
    if (language == Language::English) {
        for (const char *path : englishCatalogues) {
            auto *translator = new QTranslator(app);
            if (translator->load(QString::fromLatin1(path))) {
                QCoreApplication::installTranslator(translator);
                installed().emplace_back(translator);
            } else {
                delete translator;
            }
        }
    }
    // Installing and removing post LanguageChange to the windows; deliver them now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

Language currentLanguage()
{
    // English is on while one of our translators is installed. A new application object (as in
    // tests that make one after another) starts without them: its predecessor took them along.
    const bool english = std::any_of(installed().begin(), installed().end(),
                                     [](const QPointer<QTranslator> &translator) { return !translator.isNull(); });
    return english ? Language::English : Language::Indonesian;
}

std::optional<Language> fromId(QStringView id)
{
    if (id.compare(u"id", Qt::CaseInsensitive) == 0)
        return Language::Indonesian;
    if (id.compare(u"en", Qt::CaseInsensitive) == 0)
        return Language::English;
    return std::nullopt;
}

QStringView id(Language language)
{
    return language == Language::English ? QStringView(u"en") : QStringView(u"id");
}

} // namespace language
