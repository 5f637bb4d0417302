// `Rorovovo --plan` run as a script runs it: JSON and text against the library's table, the CSV and calendar files
// read back (the calendar by an independent iCalendar parser), bad input and failing writes.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include "rhythm/dates.h"
#include "rhythm/planner.h"

namespace {

using namespace rorovovo::rhythm;

struct Result {
    int status = -1;
    QString out, err;
};

Result run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    Result r;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

Result plan(const QStringList& args) {
    return run(QStringLiteral(ROROVOVO_PROGRAM_DIR "/Rorovovo"), QStringList{QStringLiteral("--plan")} + args);
}

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString written(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    return path;
}

class PlanCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        written(group(), "Ann Smith|01.02.1980\r\n\r\nBob, Jr.|15.04.2024\r\n");  // Bob is born inside the span
    }
    QString group() const { return dir.filePath(QStringLiteral("group.txt")); }
    QStringList args() const {
        return {"03.04.1978", "--group", group(), "--from",    "15.03.2024", "--days",
                "45",         "--top",   "5",     "--rhythms", "p,e,i,n"};
    }
    // The library's table for the same members, span and rhythms.
    static PlanTable expected() {
        return planTable({encodeDate(1978, 4, 3), encodeDate(1980, 2, 1), encodeDate(2024, 4, 15)},
                         encodeDate(2024, 3, 15), 45, {true, true, true, true});
    }
    QTemporaryDir dir;
};

TEST_F(PlanCommand, json_holdsTheSpanBothRankingsAndEveryDayInOrder) {
    const Result r = plan(args() << "--json");
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    QJsonParseError error{};
    const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8(), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << r.out.toStdString();
    const QStringList keys = {"\"from\"", "\"days\"", "\"rhythms\"", "\"best\"", "\"worst\"", "\"table\""};
    for (int k = 1; k < keys.size(); ++k) EXPECT_LT(r.out.indexOf(keys[k - 1]), r.out.indexOf(keys[k]));
    EXPECT_EQ(o["from"].toString(), QStringLiteral("2024-03-15"));
    EXPECT_EQ(o["days"].toInt(), 45);
    EXPECT_EQ(o["rhythms"].toVariant().toStringList(),
              QStringList({"Physical", "Emotional", "Intellectual", "Intuitional"}));
    const PlanTable t = expected();
    for (const auto& [key, days] : {std::pair{"best", bestDays(t, 5)}, std::pair{"worst", worstDays(t, 5)}}) {
        const QJsonArray list = o[key].toArray();
        ASSERT_EQ(list.size(), int(days.size())) << key;
        for (int i = 0; i < list.size(); ++i) {
            EXPECT_EQ(list[i]["date"].toString().toStdString(), isoDate(days[std::size_t(i)].Date));
            EXPECT_EQ(list[i]["score"].toInt(), days[std::size_t(i)].Score);
        }
    }
    const QJsonArray table = o["table"].toArray();
    ASSERT_EQ(table.size(), 45);
    static const char* const names[] = {"Physical", "Emotional", "Intellectual", "Intuitional"};
    for (int d = 0; d < 45; ++d) {
        EXPECT_EQ(table[d]["date"].toString().toStdString(), isoDate(t.From + d));
        EXPECT_EQ(table[d]["score"].toInt(), t.Score[std::size_t(d)]);
        EXPECT_EQ(table[d]["clear"].toBool(), bool(t.Clear[std::size_t(d)]));
        const QJsonArray critical = table[d]["critical"].toArray();
        ASSERT_EQ(critical.size(), 3);
        for (int m = 0; m < 3; ++m) {
            QStringList want;
            for (int i = 0; i < 4; ++i)
                if (t.critical(m, d) & (1u << i)) want << QLatin1String(names[i]);
            EXPECT_EQ(critical[m].toVariant().toStringList(), want) << "day " << d << " member " << m;
        }
    }
    // The text names the same days, one a line.
    const Result text = plan(args());
    ASSERT_EQ(text.status, 0);
    const QStringList lines = text.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), o["best"].toArray().size() + 5);
    const QDate first = QDate::fromString(o["best"][0]["date"].toString(), Qt::ISODate);
    EXPECT_EQ(lines[0].simplified(), QStringLiteral("best %1 %2")
                                         .arg(QLocale::c().toString(first, QStringLiteral("ddd dd.MM.yyyy")))
                                         .arg(o["best"][0]["score"].toInt()));
    EXPECT_TRUE(lines[o["best"].toArray().size()].startsWith(QStringLiteral("worst ")));
}

TEST_F(PlanCommand, csvAndCalendar_readBackWithStableUids) {
    const QString csv = dir.filePath(QStringLiteral("plan.csv")), ics = dir.filePath(QStringLiteral("best.ics"));
    ASSERT_EQ(plan(args() << "--csv" << csv << "--ics" << ics).status, 0);
    const QList<QByteArray> rows = contents(csv).split('\n');
    ASSERT_EQ(rows.size(), 1 + 3 * 45 + 1);  // the head, a row per member and day, the empty text after the last
    EXPECT_EQ(rows[0], "Name,Birth date,Date,Physical,Emotional,Intellectual,Intuitional,Critical rhythms,Kind\r");
    const PlanTable t = expected();
    const int day = 31;  // 15.04.2024, Bob's birth day: every rhythm is critical
    const MemberDay bob = memberDay(encodeDate(2024, 4, 15), t.From + day);
    QByteArray percentages;
    for (int i = 0; i < 4; ++i) percentages += QByteArray::number(bob.Percent[std::size_t(i)]) + ',';
    EXPECT_EQ(rows[1 + 2 * 45 + day], "\"Bob, Jr.\",2024-04-15,2024-04-15," + percentages +
                                          "\"Physical, Emotional, Intellectual, Intuitional\",triple\r");

    const Result parsed = run(QStringLiteral("/usr/bin/python3"),
                              {QStringLiteral(ROROVOVO_SOURCE_DIR "/tests/app/read_calendar.py"), ics});
    ASSERT_EQ(parsed.status, 0) << parsed.err.toStdString();
    QStringList events = parsed.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    events.removeFirst();
    const auto best = bestDays(t, 5);
    ASSERT_EQ(events.size(), int(best.size()));
    QStringList uids;
    for (int i = 0; i < events.size(); ++i) {
        const QJsonObject e = QJsonDocument::fromJson(events[i].toUtf8()).object();
        EXPECT_EQ(e["date"].toString().toStdString(), isoDate(best[std::size_t(i)].Date));
        EXPECT_TRUE(e["allDay"].toBool());
        EXPECT_EQ(e["summary"].toString(), QStringLiteral("Best day for born 1978-04-03, Ann Smith, Bob, Jr.: group "
                                                          "score %1")
                                               .arg(best[std::size_t(i)].Score));
        uids << e["uid"].toString();
    }
    // The same people in another order make the same events.
    const QString again = dir.filePath(QStringLiteral("again.ics"));
    QStringList reordered = args();
    reordered[2] = written(dir.filePath(QStringLiteral("swapped.txt")), "Bob, Jr.|15.04.2024\nAnn Smith|01.02.1980\n");
    ASSERT_EQ(plan(reordered << "--ics" << again).status, 0);
    for (const QString& uid : uids) EXPECT_TRUE(contents(again).contains(uid.toUtf8())) << uid.toStdString();
}

TEST_F(PlanCommand, badInputAndFailingWrites_endWithTheirStatusAndNoOutput) {
    const QString csv = dir.filePath(QStringLiteral("never.csv"));
    const QString bad = written(dir.filePath(QStringLiteral("bad.txt")), "Ann|31.02.1980\n");
    const auto invalid = [](const char* date) {
        return QStringLiteral("Rorovovo: '%1' is not a valid date (DD.MM.YYYY)\n").arg(QLatin1String(date));
    };
    const struct {
        QStringList args;
        int status;
        QString err;  // empty: any message
    } cases[] = {
        {{"29.02.2001", "--csv", csv}, 2, invalid("29.02.2001")},
        {{"01.01.2000", "--from", "1.1", "--csv", csv}, 2, invalid("1.1")},
        {{"01.01.2000", "--csv", ""}, 2, {}},
        {{"--csv", csv}, 2, {}},
        {{"01.01.2000", "--days", "36526", "--csv", csv}, 2, {}},
        {{"01.01.2000", "--top", "0", "--csv", csv}, 2, {}},
        {{"01.01.2000", "--rhythms", "P,P", "--csv", csv}, 2, {}},
        {{"01.01.2000", "--from", "01.12.9999", "--days", "32", "--csv", csv}, 2, {}},
        {{"01.01.2000", "--group", bad, "--csv", csv}, 2, {}},
        {{"01.01.2000", "--group", dir.filePath("missing.txt"), "--csv", csv}, 2, {}},
        {{"01.01.2000", "--what", "--csv", csv}, 2, {}},
        {{"01.01.2000", "--csv", dir.filePath("no/such/plan.csv")}, 1, "Unable to write to "},
        {{"01.01.2000", "--ics", dir.filePath("no/such/best.ics")}, 1, "Unable to write to "},
    };
    for (const auto& c : cases) {
        const Result r = plan(c.args);
        EXPECT_EQ(r.status, c.status) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
        EXPECT_FALSE(r.err.isEmpty());
        if (!c.err.isEmpty()) {
            EXPECT_TRUE(c.status == 2 ? r.err == c.err : r.err.startsWith(c.err)) << r.err.toStdString();
        }
    }
    EXPECT_FALSE(QFile::exists(csv));
}

}  // namespace
