// The program's words in the user's language: English by default, German where the desktop
// asks for it. The English translation carries only the plural forms, whose source texts are
// neutral ("%n day(s)").
#pragma once

#include <QString>
#include <QStringList>

// Installs the translations for the first of the languages (as QLocale::uiLanguages() lists
// them) that the program speaks; English when none is. Returns the language chosen ("en", "de").
// A second call replaces what the first installed.
QString installTranslations(const QStringList& uiLanguages);

// The language installTranslations chose; "en" before any call.
QString translationLanguage();
