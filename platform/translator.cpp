#include "platform/translator.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "core/marked_text.h"

namespace rorovovo::platform {

namespace {

const QString kEnglish = QStringLiteral("en");
QString spoken = kEnglish;

QString baseOf(const QString& code) { return code.section(QLatin1Char('_'), 0, 0); }

// One translator for the application, or none when the file is missing.
void install(const QString& name, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(name, folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

}  // namespace

const std::vector<Language>& languages() {
    static const std::vector<Language> list = {
        {kEnglish, QStringLiteral("English")},
        {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("fr"), QString::fromUtf8("Français")},
        {QStringLiteral("es"), QString::fromUtf8("Español")},
        {QStringLiteral("it"), QStringLiteral("Italiano")},
        {QStringLiteral("pt_BR"), QString::fromUtf8("Português (Brasil)")},
        {QStringLiteral("pl"), QStringLiteral("Polski")},
        {QStringLiteral("ru"), QString::fromUtf8("Русский")},
        {QStringLiteral("ja"), QString::fromUtf8("日本語")},
    };
    return list;
}

QString chooseLanguage(const QString& setting, const QStringList& desktopLanguages) {
    for (const Language& l : languages())
        if (l.code == setting) return l.code;
    for (QString wanted : desktopLanguages) {
        wanted.replace(QLatin1Char('-'), QLatin1Char('_'));
        for (const Language& l : languages())
            if (l.code.compare(wanted, Qt::CaseInsensitive) == 0) return l.code;
        // A region or script we have no file of still speaks the language.
        for (const Language& l : languages())
            if (baseOf(l.code).compare(baseOf(wanted), Qt::CaseInsensitive) == 0) return l.code;
    }
    return kEnglish;
}

QString installTranslators(const QString& setting, const QString& folder) {
    const QString language = chooseLanguage(setting, QLocale::system().uiLanguages());
    spoken = language;
    // The source texts are English: nothing to load, and dates stay as the desktop writes them.
    if (language == kEnglish) return language;
    // The toolkit's first: a translator installed later is asked first, and ours may word a text of Qt's anew.
    install(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    install(QStringLiteral("rorovovo_") + language, folder);
    // The libraries without Qt compose some texts themselves (calendar files, the planner's CSV headings).
    core::textLookup() = [](const char* context, const char* text) {
        return QCoreApplication::translate(context, text).toStdString();
    };
    // A German desktop in Austria keeps its own dates; another desktop gets the chosen language's.
    QString dates;
    for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"})
        if (dates.isEmpty()) dates = qEnvironmentVariable(variable);
    if (!keepsDesktopDates(language, dates)) QLocale::setDefault(QLocale(language));
    return language;
}

bool keepsDesktopDates(const QString& language, const QString& dateLocale) {
    // "de_AT.UTF-8@euro" is read as "de_AT"; "C", "POSIX" and nothing speak no language.
    const QString name = dateLocale.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX")) return false;
    return QLocale(name).language() == QLocale(language).language();
}

QString spokenLanguage() { return spoken; }

QString translatedIn(const QString& language, const QString& folder, const char* context, const char* text) {
    QTranslator translator;
    if (language != kEnglish && translator.load(QStringLiteral("rorovovo_") + language, folder)) {
        const QString translated = translator.translate(context, text);
        if (!translated.isEmpty()) return translated;
    }
    return QString::fromUtf8(text);
}

}  // namespace rorovovo::platform
