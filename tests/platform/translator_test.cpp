// Which language the program speaks, and what installing it brings: our texts, Qt's own and the dates.
#include "platform/translator.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QTranslator>

#include "rhythm/icalendar.h"

namespace rorovovo::platform {
namespace {

const QString kFixtures = QStringLiteral(ROROVOVO_FIXTURE_TRANSLATIONS);

TEST(Translator, theSettingWins_elseTheFirstDesktopLanguageWeSpeak_elseEnglish) {
    const struct {
        const char* setting;
        QStringList desktop;
        const char* expected;
    } cases[] = {
        {"", {"de-DE", "de"}, "de"},
        {"", {"de-AT"}, "de"},
        {"", {"pt-BR"}, "pt_BR"},
        {"", {"pt-PT", "pt"}, "pt_BR"},  // our only Portuguese
        {"", {"zh-CN", "ru-RU"}, "ru"},  // the first one we have
        {"", {"en-GB", "de-DE"}, "en"},  // English is one of ours too
        {"", {"C"}, "en"},
        {"", {}, "en"},
        {"fr", {"de-DE"}, "fr"},
        {"ja", {}, "ja"},
        {"xx", {"it-IT"}, "it"},  // an unknown setting is no choice
        {"pt", {"pl-PL"}, "pl"},  // nor is a code we do not name so
    };
    for (const auto& c : cases)
        EXPECT_EQ(chooseLanguage(QLatin1String(c.setting), c.desktop), QLatin1String(c.expected))
            << c.setting << " / " << qPrintable(c.desktop.join(','));
}

// Qt's system locale takes its language from LANGUAGE; the dates come from LC_TIME's locale.
TEST(Translator, datesKeepTheDesktopsFormatsOnlyWhereTheyAreInTheChosenLanguage) {
    const struct {
        const char *language, *dateLocale;
        bool keeps;
    } cases[] = {
        {"de", "de_AT.UTF-8", true}, {"de", "de_DE@euro", true},   {"de", "C.UTF-8", false},      {"de", "C", false},
        {"de", "", false},           {"ja", "en_US.UTF-8", false}, {"pt_BR", "pt_PT.UTF-8", true}};
    for (const auto& c : cases)
        EXPECT_EQ(keepsDesktopDates(QLatin1String(c.language), QLatin1String(c.dateLocale)), c.keeps)
            << c.language << " on " << c.dateLocale;
}

TEST(Translator, everyLanguageIsListedInItsOwnName_englishFirst) {
    QStringList codes, names;
    for (const Language& l : languages()) codes << l.code, names << l.nativeName;
    EXPECT_EQ(codes, QStringList({"en", "de", "fr", "es", "it", "pt_BR", "pl", "ru", "ja"}));
    EXPECT_EQ(names, QStringList({"English", "Deutsch", QString::fromUtf8("Français"), QString::fromUtf8("Español"),
                                  "Italiano", QString::fromUtf8("Português (Brasil)"), "Polski",
                                  QString::fromUtf8("Русский"), QString::fromUtf8("日本語")}));
}

TEST(Translator, aTextInAnotherLanguage_fallsBackToEnglishWithoutItsFile) {
    const char* text = "The program speaks the chosen language from its next start.";
    EXPECT_EQ(translatedIn("de", kFixtures, "Messages", text),
              QString::fromUtf8("Das Programm spricht die gewählte Sprache ab dem nächsten Start."));
    for (const char* other : {"en", "fr"})
        EXPECT_EQ(translatedIn(QLatin1String(other), kFixtures, "Messages", text), QLatin1String(text)) << other;
    EXPECT_EQ(translatedIn("de", kFixtures, "Messages", "No such text"), QStringLiteral("No such text"));
    // What the program speaks is untouched.
    EXPECT_EQ(QCoreApplication::translate("rorovovo::forms::TForm1", "Program"), QStringLiteral("Program"));
}

TEST(Translator, installingGerman_bringsOurTextsQtsOwnAndGermanDates) {
    ASSERT_EQ(installTranslators(QStringLiteral("de"), kFixtures), QStringLiteral("de"));
    EXPECT_EQ(spokenLanguage(), QStringLiteral("de"));
    EXPECT_EQ(QCoreApplication::translate("rorovovo::forms::TForm1", "Program"), QStringLiteral("Programm"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"))
        << "Qt's own translations (qt6-translations-l10n)";
    EXPECT_EQ(QLocale().toString(QDate(2024, 3, 5), QLocale::ShortFormat), QStringLiteral("05.03.24"));
    // The calendar's texts, composed below Qt, in German too.
    EXPECT_EQ(rhythm::criticalDaySummary({45000, 1, rhythm::CriticalKind::Single}, "Ada"),
              "Kritischer Tag: K\u00f6rper (Ada)");
    for (QTranslator* t : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
    QLocale::setDefault(QLocale::system());
    // English is the source: nothing to install, and the desktop's dates stay.
    EXPECT_EQ(installTranslators(QStringLiteral("en"), kFixtures), QStringLiteral("en"));
    EXPECT_TRUE(QCoreApplication::instance()->findChildren<QTranslator*>().isEmpty());
    EXPECT_EQ(QLocale().name(), QLocale::system().name());
}

}  // namespace
}  // namespace rorovovo::platform
