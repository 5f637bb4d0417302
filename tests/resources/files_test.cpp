// The files shipped beside the executable: the celebrity list, the text guide and the compiled help.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QStringList>

namespace {

const QString kResources = QStringLiteral(ROROVOVO_SOURCE_DIR "/resources/");
const QString kProgramDir = QStringLiteral(ROROVOVO_PROGRAM_DIR "/");

QByteArray readAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot open " << qPrintable(path);
        return {};
    }
    return f.readAll();
}

// Decodes UTF-8 strictly: a malformed byte sequence fails the test instead of turning into U+FFFD.
QString decodeUtf8(const QByteArray& bytes, const QString& what) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder(bytes);
    EXPECT_FALSE(decoder.hasError()) << qPrintable(what) << " is not valid UTF-8";
    return text;
}

bool isLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

bool validDate(int d, int m, int y) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (y < 1 || y > 9999 || m < 1 || m > 12 || d < 1) return false;
    return d <= days[m - 1] + (m == 2 && isLeap(y) ? 1 : 0);
}

// Every caption of the main menu, exactly as the program shows it.
const char* const kMenuCaptions[] = {
    "Program",
    "Add new profile...",
    "Delete profile...",
    "Draw biorhythms",
    "Draw extra* rythms",
    "Biorhythms interpretation...",
    "Exit",
    "Profiles",
    "Personal",
    "Celebrity",
    "Options",
    "Save window's size",
    "Save window's position",
    "Default rhythms to show...",
    "Physical rhythm",
    "Emotional rhythm",
    "Intellectual rhythm",
    "Intuitional rhythm",
    "Spiritual rhythm",
    "Aesthetics rhytm",
    "Help...",
    "Software news...",
    "Check new versions *",
    "Donations...",
    "About...",
    "Reminders...",
};

}  // namespace

TEST(CelebrityFile, everyLine_isNamePipeZeroPaddedValidDate) {
    const QByteArray bytes = readAll(kResources + QStringLiteral("Cyclomat.dat"));
    ASSERT_FALSE(bytes.isEmpty());
    EXPECT_FALSE(bytes.contains('\r')) << "lines must end with LF only";
    EXPECT_TRUE(bytes.endsWith('\n')) << "the last line must end with a line break";
    const QString text = decodeUtf8(bytes, QStringLiteral("Cyclomat.dat"));

    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    EXPECT_GE(lines.size(), 150);

    const QRegularExpression datePart(QStringLiteral("^(\\d\\d)\\.(\\d\\d)\\.(\\d\\d\\d\\d)$"));
    QSet<QString> names;
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        const QString where = QStringLiteral("line %1: %2").arg(i + 1).arg(line);
        const int bar = line.indexOf(QLatin1Char('|'));
        ASSERT_GT(bar, 0) << qPrintable(where);
        const QString name = line.left(bar);
        EXPECT_EQ(name, name.trimmed()) << "blanks around the name, " << qPrintable(where);
        const auto m = datePart.match(line.mid(bar + 1));
        ASSERT_TRUE(m.hasMatch()) << "date is not DD.MM.YYYY, " << qPrintable(where);
        EXPECT_TRUE(validDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()))
            << qPrintable(where);
        EXPECT_FALSE(names.contains(name.toLower())) << "duplicate name, " << qPrintable(where);
        names.insert(name.toLower());
    }
}

TEST(CelebrityFile, dateCheck_rejectsImpossibleDates) {
    // The check above is only as good as this helper.
    EXPECT_TRUE(validDate(29, 2, 2000));
    EXPECT_FALSE(validDate(29, 2, 1900));
    EXPECT_FALSE(validDate(31, 4, 1970));
    EXPECT_FALSE(validDate(0, 1, 1970));
    EXPECT_FALSE(validDate(1, 13, 1970));
    EXPECT_FALSE(validDate(1, 1, 0));
}

TEST(UserGuide, textGuide_isUtf8AndNamesEveryMenuCaption) {
    const QString text = decodeUtf8(readAll(kResources + QStringLiteral("Cyclomat.txt")), "Cyclomat.txt");
    const int lines = text.count(QLatin1Char('\n'));
    EXPECT_GE(lines, 150);
    EXPECT_LE(lines, 480);
    for (const char* caption : kMenuCaptions)
        EXPECT_TRUE(text.contains(QString::fromUtf8(caption))) << "missing \"" << caption << "\"";
    for (const char* shortcut : {"Ctrl+X", "Ctrl+A", "F1", "Cyclomat.ini", "Cyclomat.dat", "Rorovovo.chm"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(shortcut))) << "missing " << shortcut;
}

TEST(UserGuide, helpProject_referencesOnlyExistingPages) {
    const QString helpDir = kResources + QStringLiteral("help/");
    const QString toc = decodeUtf8(readAll(helpDir + QStringLiteral("Rorovovo.hhc")), "Rorovovo.hhc");
    const QString index = decodeUtf8(readAll(helpDir + QStringLiteral("Rorovovo.hhk")), "Rorovovo.hhk");
    const QString project = decodeUtf8(readAll(helpDir + QStringLiteral("Rorovovo.hhp")), "Rorovovo.hhp");

    const QRegularExpression local(QStringLiteral("name=\"Local\" value=\"([^\"#]+)"));
    QSet<QString> referenced;
    for (const QString& text : {toc, index})
        for (auto it = local.globalMatch(text); it.hasNext();) referenced.insert(it.next().captured(1));
    EXPECT_GE(referenced.size(), 7);

    QString pages;
    for (const QString& page : referenced) {
        EXPECT_TRUE(QFile::exists(helpDir + page)) << "missing page " << qPrintable(page);
        EXPECT_TRUE(project.contains(page)) << qPrintable(page) << " is not in the project's [FILES]";
        QFile f(helpDir + page);
        if (f.open(QIODevice::ReadOnly)) pages += QString::fromUtf8(f.readAll());
    }
    for (const char* caption : kMenuCaptions)
        EXPECT_TRUE(pages.contains(QString::fromUtf8(caption))) << "help pages miss \"" << caption << "\"";
}

TEST(ProgramFolder, shippedFiles_areCopiedBesideTheExecutable) {
    for (const char* name : {"Cyclomat.dat", "Cyclomat.txt"}) {
        const QString file = QString::fromLatin1(name);
        EXPECT_EQ(readAll(kProgramDir + file), readAll(kResources + file)) << name;
    }
}

TEST(ProgramFolder, compiledHelp_isAnItsfFile) {
    const QString chm = kProgramDir + QStringLiteral("Rorovovo.chm");
    if (!QFile::exists(chm)) GTEST_SKIP() << "Rorovovo.chm is built only where chmcmd is installed";
    const QByteArray bytes = readAll(chm);
    EXPECT_TRUE(bytes.startsWith("ITSF"));
    EXPECT_GT(bytes.size(), 4096);
}
