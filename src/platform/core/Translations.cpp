#include "Translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace {

const QString english = QStringLiteral("en");
const QStringList spoken{english, QStringLiteral("de")};

struct Installed {
    std::unique_ptr<QTranslator> base;
    std::unique_ptr<QTranslator> chosen;
    QString language = english;
};

Installed& installed() {
    static Installed translations;
    return translations;
}

std::unique_ptr<QTranslator> loaded(const QString& language) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral(":/i18n/skelvor_%1.qm").arg(language))) return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator;
}

// "de-AT" and "de" both name German; "C" and "POSIX" name no language.
QString languageOf(const QString& uiLanguage) {
    return uiLanguage.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
}

}  // namespace

QString installTranslations(const QStringList& uiLanguages) {
    Installed& current = installed();
    current = Installed{};
    current.base = loaded(english);
    for (const QString& uiLanguage : uiLanguages) {
        const QString language = languageOf(uiLanguage);
        if (!spoken.contains(language)) continue;
        if (language != english) {
            current.chosen = loaded(language);
            if (!current.chosen) continue;
        }
        current.language = language;
        break;
    }
    return current.language;
}

QString translationLanguage() { return installed().language; }
