#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace rorovovo::platform {

// A language the program speaks: its code as the translation files name it ("pt_BR") and its name in itself.
struct Language {
    QString code;
    QString nativeName;
};

// English (the source of every text, with no translation file) first, then the translated languages.
const std::vector<Language>& languages();

// What `Language=` in the settings holds when the desktop chooses.
inline const QString kSystemLanguage = QString();

// The language to speak: `setting` when it names one of languages(), otherwise the first of the desktop's languages
// (QLocale::uiLanguages(): LANGUAGE, LC_ALL, LC_MESSAGES, LANG) that one of them matches, by its code or by its
// language alone ("de-AT" is German, "pt" Brazilian Portuguese); English when none does.
QString chooseLanguage(const QString& setting, const QStringList& desktopLanguages);

// Whether dates keep the desktop's own formats for the chosen language: when the locale the desktop writes dates in
// (`dateLocale`: LC_ALL, else LC_TIME, else LANG, as the C library reads them) speaks that language ("de_AT" for
// German). Qt's system locale takes its language from LANGUAGE, which says nothing of the dates.
bool keepsDesktopDates(const QString& language, const QString& dateLocale);

// Installs the program's translation (rorovovo_<code>.qm from `folder`) and the toolkit's own (qtbase_<code>.qm
// where Qt keeps its translations) into the running application, and makes dates follow that language's locale
// unless the desktop's locale already speaks it. English installs nothing. Needs a QCoreApplication; call it
// before the first window is made. Returns the language chosen.
QString installTranslators(const QString& setting, const QString& folder);

// The language installTranslators chose last; English before it ran.
QString spokenLanguage();

// `text` (of `context`) in `language` from the translations in `folder`, whatever the program speaks now; the
// English text when that language has no translation of it.
QString translatedIn(const QString& language, const QString& folder, const char* context, const char* text);

}  // namespace rorovovo::platform
