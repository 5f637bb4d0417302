// `Rorovovo --critical` run as a script runs it: the table, the JSON, the calendar file (read back by an
// independent iCalendar parser) and bad input.
#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include "critical_brute_force.h"

namespace {

struct Result {
    int status = -1;
    QString out, err;
};

Result run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    Result r;
    if (!p.waitForFinished(20000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

Result critical(const QStringList& args) {
    return run(QStringLiteral(ROROVOVO_PROGRAM_DIR "/Rorovovo"), QStringList{QStringLiteral("--critical")} + args);
}

QJsonArray expectedDays(QDate birth, QDate from, int days) {
    QJsonArray list;
    for (const BruteCriticalDay& day : bruteForceCriticalDays(birth, from, days))
        list.append(QJsonObject{{"date", day.date.toString(Qt::ISODate)},
                                {"rhythms", QJsonArray::fromStringList(day.rhythms)},
                                {"kind", day.kind}});
    return list;
}

TEST(CriticalCommand, jsonAndTextList_theCriticalDaysOfTheSpan) {
    const struct {
        QDate birth, from;
        int days;
    } cases[] = {
        {{1815, 12, 10}, {2026, 12, 8}, 90}, {{2027, 3, 1}, {2026, 12, 8}, 365}, {{2000, 2, 29}, {2004, 2, 1}, 30}};
    for (const auto& c : cases) {
        const QStringList args{c.birth.toString(QStringLiteral("dd.MM.yyyy")), QStringLiteral("--from"),
                               c.from.toString(QStringLiteral("dd.MM.yyyy")), QStringLiteral("--days"),
                               QString::number(c.days)};
        const Result json = critical(args + QStringList{QStringLiteral("--json")});
        ASSERT_EQ(json.status, 0) << json.err.toStdString();
        QJsonParseError error{};
        const QJsonDocument doc = QJsonDocument::fromJson(json.out.toUtf8(), &error);
        ASSERT_EQ(error.error, QJsonParseError::NoError) << json.out.toStdString();
        const QJsonArray expected = expectedDays(c.birth, c.from, c.days);
        EXPECT_EQ(doc.array(), expected) << json.out.toStdString();

        const Result text = critical(args);
        ASSERT_EQ(text.status, 0);
        QStringList lines = text.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        // The heading says which rhythms are listed and which make a day double or triple.
        ASSERT_GE(lines.size(), 2);
        EXPECT_EQ(lines.takeFirst(),
                  QStringLiteral("# Physical, Emotional, Intellectual, Intuitional, Spiritual, Aesthetics"));
        EXPECT_EQ(lines.takeFirst(),
                  QStringLiteral("# Only Physical, Emotional and Intellectual make a day double or triple."));
        ASSERT_EQ(lines.size(), expected.size());
        for (int i = 0; i < lines.size(); ++i) {
            const QJsonObject day = expected[i].toObject();
            const QDate date = QDate::fromString(day["date"].toString(), Qt::ISODate);
            EXPECT_TRUE(lines[i].startsWith(QLocale::c().toString(date, QStringLiteral("ddd dd.MM.yyyy"))))
                << lines[i].toStdString();
            EXPECT_TRUE(lines[i].contains(day["kind"].toString())) << lines[i].toStdString();
            EXPECT_TRUE(lines[i].endsWith(day["rhythms"].toVariant().toStringList().join(QStringLiteral(", "))))
                << lines[i].toStdString();
        }
    }
}

TEST(CriticalCommand, rhythmsOption_listsTheChosenRhythmsAndCountsOnlyTheMainOnes) {
    // The first three rhythms only, as the window lists them with the others unticked.
    const QStringList args{QStringLiteral("10.12.1815"), QStringLiteral("--from"), QStringLiteral("01.01.2024"),
                           QStringLiteral("--days"),     QStringLiteral("365"),    QStringLiteral("--rhythms"),
                           QStringLiteral("i,E,P"),      QStringLiteral("--json")};
    const Result r = critical(args);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    QJsonArray expected;
    for (const BruteCriticalDay& day : bruteForceCriticalDays({1815, 12, 10}, {2024, 1, 1}, 365, 3))
        expected.append(QJsonObject{{"date", day.date.toString(Qt::ISODate)},
                                    {"rhythms", QJsonArray::fromStringList(day.rhythms)},
                                    {"kind", day.kind}});
    EXPECT_EQ(QJsonDocument::fromJson(r.out.toUtf8()).array(), expected);
    const Result text = critical(args.mid(0, args.size() - 1));
    EXPECT_TRUE(text.out.startsWith(QStringLiteral("# Physical, Emotional, Intellectual\n"))) << text.out.toStdString();
}

TEST(CriticalCommand, ics_isReadByAnIcalendarParserWithStableUids) {
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("first.ics")), second = dir.filePath(QStringLiteral("b.ics"));
    const QStringList args{QStringLiteral("01.07.1990"), QStringLiteral("--from"), QStringLiteral("01.07.1990"),
                           QStringLiteral("--days"),     QStringLiteral("120"),    QStringLiteral("--ics")};
    ASSERT_EQ(critical(args + QStringList{first}).status, 0);
    ASSERT_EQ(critical(args + QStringList{second}).status, 0);
    const QJsonArray expected = expectedDays({1990, 7, 1}, {1990, 7, 1}, 120);

    QStringList uidsOfExports[2];
    for (int n = 0; n < 2; ++n) {
        const QString path = n == 0 ? first : second;
        QFile raw(path);
        ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
        const QByteArray bytes = raw.readAll();
        EXPECT_TRUE(bytes.endsWith("\r\n"));
        EXPECT_EQ(bytes.count("\n"), bytes.count("\r\n"));
        bool folded = false;
        for (const QByteArray& line : bytes.split('\n')) {
            EXPECT_LE(line.size(), 76) << line.toStdString();  // 75 octets and the CR
            folded = folded || line.startsWith(' ');
        }
        EXPECT_TRUE(folded) << "the birth day's six rhythms make a summary longer than a line";

        const Result parsed = run(QStringLiteral("/usr/bin/python3"),
                                  {QStringLiteral(ROROVOVO_SOURCE_DIR "/tests/app/read_calendar.py"), path});
        ASSERT_EQ(parsed.status, 0) << parsed.err.toStdString();
        QStringList lines = parsed.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), expected.size() + 1);
        const QJsonObject head = QJsonDocument::fromJson(lines.takeFirst().toUtf8()).object();
        EXPECT_EQ(head["version"].toString(), QStringLiteral("2.0"));
        EXPECT_FALSE(head["prodid"].toString().isEmpty());
        for (int i = 0; i < lines.size(); ++i) {
            const QJsonObject event = QJsonDocument::fromJson(lines[i].toUtf8()).object();
            const QJsonObject day = expected[i].toObject();
            EXPECT_EQ(event["date"].toString(), day["date"].toString());
            EXPECT_TRUE(event["allDay"].toBool());
            const QString kind = day["kind"].toString();
            const QString prefix = kind == QLatin1String("single")   ? QStringLiteral("Critical day: ")
                                   : kind == QLatin1String("double") ? QStringLiteral("Double critical day: ")
                                                                     : QStringLiteral("Triple critical day: ");
            EXPECT_EQ(event["summary"].toString(),
                      prefix + day["rhythms"].toVariant().toStringList().join(QStringLiteral(", ")));
            uidsOfExports[n] << event["uid"].toString();
        }
    }
    EXPECT_EQ(uidsOfExports[0], uidsOfExports[1]);
    EXPECT_EQ(QSet<QString>(uidsOfExports[0].begin(), uidsOfExports[0].end()).size(), uidsOfExports[0].size());
}

TEST(CriticalCommand, badInput_isRefusedWithStatus2AndNothingWritten) {
    QTemporaryDir dir;
    const QString ics = dir.filePath(QStringLiteral("never.ics"));
    const auto invalid = [](const char* date) {
        return QStringLiteral("Rorovovo: '%1' is not a valid date (DD.MM.YYYY)\n").arg(QLatin1String(date));
    };
    const struct {
        QStringList args;
        QString err;  // empty: any message
    } cases[] = {{{"29.02.2001", "--ics", ics}, invalid("29.02.2001")},
                 {{"1.2", "--ics", ics}, invalid("1.2")},
                 {{"01.01.2000", "--from", "32.01.2026", "--ics", ics}, invalid("32.01.2026")},
                 {{"01.01.2000", "--ics", ""}, "Rorovovo: --ics needs a file name (try 'Rorovovo --help')\n"},
                 {{"01.01.2000", "--days", "0", "--ics", ics}, {}},
                 {{"01.01.2000", "--days", "many", "--ics", ics}, {}},
                 {{"01.01.2000", "--ics"}, {}},
                 {{"01.01.2000", "--what", "--ics", ics}, {}},
                 {{"01.01.2000", "--rhythms", "P,X", "--ics", ics}, {}},
                 {{"01.01.2000", "--rhythms", "P,P", "--ics", ics}, {}},
                 {{}, {}}};
    for (const auto& c : cases) {
        const Result r = critical(c.args);
        EXPECT_EQ(r.status, 2) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        if (!c.err.isEmpty()) {
            EXPECT_EQ(r.err, c.err);
        }
        EXPECT_FALSE(r.err.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(ics));

    const Result unwritable = critical({"01.01.2000", "--ics", dir.filePath(QStringLiteral("no/such/folder.ics"))});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_TRUE(unwritable.err.startsWith(QStringLiteral("Unable to write to "))) << unwritable.err.toStdString();
}

}  // namespace
