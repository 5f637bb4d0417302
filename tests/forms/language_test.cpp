// Options > Language: the choice is stored at once and said in the chosen language; the next start speaks it.
#include <QAction>
#include <QLocale>
#include <QMenu>
#include <QTranslator>

#include "forms/widgets.h"
#include "main_window_fixture.h"
#include "profiles/ini_store.h"

namespace {

class LanguageTest : public MainWindowTest {
  protected:
    QString stored() {
        rorovovo::profiles::IniStore ini(iniPath());
        return ini.readString(QStringLiteral("Preferences"), QStringLiteral("Language"), QStringLiteral("(none)"));
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        for (QTranslator* t : QCoreApplication::instance()->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
        QLocale::setDefault(QLocale::system());
    }
};

TEST_F(LanguageTest, choosingALanguage_storesItAtOnceAndSaysSoInThatLanguage) {
    start();
    QStringList captions;
    for (const QAction* a : control<QMenu>("MenuOptionsLanguage")->actions()) captions << a->text();
    EXPECT_EQ(captions, QStringList({"System", "English", "Deutsch", QString::fromUtf8("Français"),
                                     QString::fromUtf8("Español"), "Italiano", QString::fromUtf8("Português (Brasil)"),
                                     "Polski", QString::fromUtf8("Русский"), QString::fromUtf8("日本語")}));
    EXPECT_TRUE(control<QAction>("MenuOptionsLanguage_System")->isChecked());
    EXPECT_EQ(control<QMenu>("MenuOptions")->actions().last(), control<QMenu>("MenuOptionsLanguage")->menuAction());

    const QString later = QStringLiteral("The program speaks the chosen language from its next start.");
    const struct {
        const char* item;
        const char* stored;
        QString said;  // empty: nothing, the program speaks it already
    } cases[] = {
        {"MenuOptionsLanguage_de", "de",
         QString::fromUtf8("Das Programm spricht die gewählte Sprache ab dem nächsten Start.")},
        {"MenuOptionsLanguage_fr", "fr", later},  // no French file: the English text
        {"MenuOptionsLanguage_en", "en", {}},
        {"MenuOptionsLanguage_System", "", {}},  // this desktop speaks English (LC_ALL=C.UTF-8)
    };
    for (const auto& c : cases) {
        dialogs.clear();
        control<QAction>(c.item)->trigger();
        EXPECT_EQ(stored(), QLatin1String(c.stored)) << c.item;
        EXPECT_TRUE(control<QAction>(c.item)->isChecked()) << c.item;
        ASSERT_EQ(dialogs.size(), c.said.isEmpty() ? 0u : 1u) << c.item;
        if (!c.said.isEmpty()) {
            EXPECT_EQ(dialogs[0].text, c.said) << c.item;
        }
    }
}

TEST_F(LanguageTest, theStoredChoice_speaksAtTheNextStart_withItsDates) {
    writeFile(iniPath(), "[Preferences]\nLanguage=de\n");
    rorovovo::forms::installProgramLanguage();
    start();
    EXPECT_EQ(control<QMenu>("MenuProgram")->title(), QStringLiteral("Programm"));
    EXPECT_EQ(control<QMenu>("MenuProfiles")->title(), QStringLiteral("Profiles"));  // not in the test's file
    EXPECT_TRUE(control<QAction>("MenuOptionsLanguage_de")->isChecked());
    // The date marker names today, at the view's left edge, in German.
    EXPECT_EQ(control<QWidget>("Image_date")->accessibleName(), QStringLiteral("08.12.26"));
}

}  // namespace
