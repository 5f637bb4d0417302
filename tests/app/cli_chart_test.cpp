// The chart and the compatibility figures from the command line: the real program, no window.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

struct Outcome {
    int status = -1;
    QString out;
    QString err;
};

Outcome rorovovo(const QStringList& args, const QString& shellPrefix = QString(),
                 const QString& program = QStringLiteral(ROROVOVO_PROGRAM_DIR "/Rorovovo")) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));  // the program picks its own
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("XDG_RUNTIME_DIR"));  // the toolkit warns without it, in words that are not ours
    p.setProcessEnvironment(env);
    if (shellPrefix.isEmpty()) {
        p.start(program, args);
    } else {
        QStringList quoted;
        for (const QString& a : args) quoted << QLatin1Char('\'') + a + QLatin1Char('\'');
        p.start(QStringLiteral("sh"), {QStringLiteral("-c"), shellPrefix + QStringLiteral("; exec '") + program +
                                                                 QStringLiteral("' ") + quoted.join(QLatin1Char(' '))});
    }
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return {};
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

const QRegularExpression kInvalid(QStringLiteral("^Rorovovo: '.*' is not a valid date \\(DD\\.MM\\.YYYY\\)\n$"));

TEST(CliChart, eachFormat_writesTheDocument) {
    QTemporaryDir dir;
    const struct {
        const char* name;
        QByteArray start;
    } files[] = {{"a.png", "\x89PNG"}, {"a.svg", "<?xml"}, {"a.pdf", "%PDF"}};
    for (const auto& f : files) {
        const QString path = dir.filePath(QLatin1String(f.name));
        const Outcome r = rorovovo({"--chart", "15.03.1958", "--name", "Anna Smith", "--extra", "--output", path});
        EXPECT_EQ(r.status, 0) << f.name;
        EXPECT_EQ(r.err, QString()) << f.name;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << f.name;
        EXPECT_TRUE(file.read(8).startsWith(f.start)) << f.name;
    }
    EXPECT_EQ(QImage(dir.filePath(QStringLiteral("a.png"))).width(), 2 * 3510);
    // A short strip from a given day: 20 days at 10 pixels, on a page wide enough for the title.
    const QString shortStrip = dir.filePath(QStringLiteral("short.png"));
    EXPECT_EQ(rorovovo({"--chart", "1.1.2000", "--from", "01.02.2024", "--days", "60", "--output", shortStrip}).status,
              0);
    EXPECT_EQ(QImage(shortStrip).width(), 2 * 600);
}

TEST(CliChart, compat_plainAndJson) {
    const Outcome json = rorovovo({"--compat", "01.03.1990", "12.03.1990", "--json"});
    ASSERT_EQ(json.status, 0) << json.err.toStdString();
    QJsonParseError error{};
    const QJsonObject o = QJsonDocument::fromJson(json.out.toUtf8(), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << json.out.toStdString();
    const char* keys[] = {"physical", "emotional", "intellectual", "intuitional", "overall"};
    const int values[] = {4, 21, 33, 42, 20};
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(o.value(QLatin1String(keys[i])).isDouble()) << keys[i];
        EXPECT_EQ(o.value(QLatin1String(keys[i])).toDouble(), values[i]) << keys[i];
    }
    // The overall figure says which rhythms it averages.
    EXPECT_EQ(o.value(QStringLiteral("overall_of")).toVariant().toStringList(),
              (QStringList{"Physical", "Emotional", "Intellectual"}));
    const Outcome plain = rorovovo({"--compat", "12.03.1990", "01.03.1990"});
    EXPECT_EQ(plain.status, 0);
    EXPECT_TRUE(plain.out.contains(
        QRegularExpression(QStringLiteral("Overall\\s+20 %  \\(mean of Physical, Emotional, Intellectual\\)\n$"))))
        << plain.out.toStdString();
}

TEST(CliChart, badInput_exitStatus2WithTheReason) {
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("x.png"));
    const struct {
        QStringList args;
        bool dateMessage;
    } cases[] = {
        {{"--compat", "31.04.2000", "01.01.2000"}, true},
        {{"--compat", "01.01.2000", "1.1"}, true},
        {{"--compat", "01.01.2000", "01.01.99999"}, true},
        {{"--compat", "01.01.2000"}, false},
        {{"--compat", "01.01.2000", "02.01.2000", "--xml"}, false},
        {{"--chart", "29.02.1900", "--output", png}, true},
        {{"--chart", "01.01.2000", "--from", "00.01.2000", "--output", png}, true},
        {{"--chart", "01.01.2000"}, false},
        {{"--chart", "01.01.2000", "--output", dir.filePath(QStringLiteral("x.gif"))}, false},
        {{"--chart", "01.01.2000", "--days", "0", "--output", png}, false},
        {{"--chart", "01.01.2000", "--bogus", "--output", png}, false},
        {{"--chart", "01.01.2000", "--output", ""}, false},
    };
    for (const auto& c : cases) {
        const Outcome r = rorovovo(c.args);
        EXPECT_EQ(r.status, 2) << c.args.join(' ').toStdString();
        EXPECT_EQ(kInvalid.match(r.err).hasMatch(), c.dateMessage) << r.err.toStdString();
        EXPECT_FALSE(r.err.isEmpty());
    }
    EXPECT_EQ(rorovovo({"--chart", "01.01.2000", "--output", dir.filePath(QStringLiteral("x.txt"))}).err,
              QStringLiteral("Rorovovo: The file name must end in .png, .svg or .pdf.\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

TEST(CliChart, writeFailing_exitStatus1AndNoFileLeft) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.pdf"));
    // A file-size limit of 2 KiB, as a full disk would stop the write.
    const Outcome r = rorovovo({"--chart", "15.03.1958", "--output", path}, QStringLiteral("ulimit -f 2"));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, QStringLiteral("Unable to write to ") + path + QLatin1Char('\n'));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

// Network, printing and SVG stay out of every start: only SVG needs the module, and without it says so.
TEST(CliChart, withoutTheExtrasModule_svgFailsNamingItAndPngStillWorks) {
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("Rorovovo"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(ROROVOVO_PROGRAM_DIR "/Rorovovo"), program));
    QProcess ldd;
    ldd.start(QStringLiteral("ldd"), {program});
    ASSERT_TRUE(ldd.waitForFinished());
    const QString linked = QString::fromLocal8Bit(ldd.readAllStandardOutput());
    EXPECT_TRUE(linked.contains(QStringLiteral("libQt6Widgets"))) << linked.toStdString();
    for (const char* library : {"libQt6Network", "libQt6PrintSupport", "libQt6Svg"})
        EXPECT_FALSE(linked.contains(QLatin1String(library))) << library;

    const QString svg = dir.filePath(QStringLiteral("chart.svg"));
    const Outcome r = rorovovo({"--chart", "15.03.1958", "--output", svg}, QString(), program);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.split(QLatin1Char('\n'))
                    .contains(QStringLiteral("Unable to load ") + dir.filePath(QStringLiteral(ROROVOVO_EXTRAS_FILE)) +
                              QStringLiteral(": the file is missing")))
        << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(svg));
    const QString png = dir.filePath(QStringLiteral("chart.png"));
    EXPECT_EQ(rorovovo({"--chart", "15.03.1958", "--output", png}, QString(), program).status, 0);
    EXPECT_FALSE(QImage(png).isNull());
}

}  // namespace
