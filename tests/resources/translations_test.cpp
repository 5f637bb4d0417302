// Every translation file as the translators deliver it: complete, nothing left over, and each finished text keeps
// its source's place-holders and keyboard mark. A language with no finished text yet is skipped, saying so.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QXmlStreamReader>
#include <algorithm>

namespace {

struct Message {
    QString context, source;
    QString type;            // "", "unfinished", "obsolete" or "vanished"
    QStringList translated;  // one text, or one per plural form
    bool numerus;
};

std::vector<Message> readTs(const QString& path, QString* language, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    std::vector<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const auto name = xml.name();
        const auto attribute = [&xml](const char* key) {
            return xml.attributes().value(QLatin1String(key)).toString();
        };
        if (name == QLatin1String("TS")) {
            *language = attribute("language");
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (name == QLatin1String("message")) {
            messages.push_back({context, {}, {}, {}, attribute("numerus") == QLatin1String("yes")});
        } else if (name == QLatin1String("source")) {
            messages.back().source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (name == QLatin1String("translation")) {
            messages.back().type = attribute("type");
            if (!messages.back().numerus)
                messages.back().translated << xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (name == QLatin1String("numerusform")) {
            messages.back().translated << xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    if (xml.hasError()) *error = QStringLiteral("line %1: ").arg(xml.lineNumber()) + xml.errorString();
    return messages;
}

// The place-holders (%1, %n, %L1) of a text, sorted, and how many keyboard marks ("&" before a letter) it has.
QStringList placeHolders(const QString& text) {
    static const QRegularExpression mark(QStringLiteral("%L?(\\d+|n)"));
    QStringList found;
    for (auto it = mark.globalMatch(text); it.hasNext();) found << it.next().captured();
    found.sort();
    return found;
}

qsizetype mnemonics(QString text) { return text.remove(QLatin1String("&&")).count(QRegularExpression("&\\S")); }

class Translation : public ::testing::TestWithParam<QString> {};

TEST_P(Translation, isCompleteAndKeepsPlaceHoldersAndKeyboardMarks) {
    const QString path = QStringLiteral(ROROVOVO_SOURCE_DIR "/resources/translations/rorovovo_%1.ts").arg(GetParam());
    QString language, error;
    const std::vector<Message> messages = readTs(path, &language, &error);
    ASSERT_TRUE(error.isEmpty()) << qPrintable(path) << ": " << qPrintable(error);
    ASSERT_FALSE(messages.empty()) << qPrintable(path) << " holds no text: run make translations";
    EXPECT_TRUE(language.startsWith(GetParam())) << "language=\"" << qPrintable(language) << "\"";

    QStringList unfinished, leftOver, faults;
    for (const Message& m : messages) {
        const QString where = m.context + QStringLiteral(": \"") + m.source + QLatin1Char('"');
        if (m.type == QLatin1String("obsolete") || m.type == QLatin1String("vanished")) leftOver << where;
        if (!m.type.isEmpty()) {
            unfinished << where;
            continue;
        }
        for (const QString& t : m.translated) {
            // A plural form may spell the number out ("einen Tag"); every other place-holder stays.
            QStringList want = placeHolders(m.source), got = placeHolders(t);
            if (!got.contains(QLatin1String("%n"))) want.removeAll(QLatin1String("%n"));
            if (got != want) faults << where + QStringLiteral(" has the place-holders ") + got.join(',');
            if (mnemonics(t) != mnemonics(m.source)) faults << where + QStringLiteral(" has another count of \"&\"");
            if (t.trimmed().isEmpty()) faults << where + QStringLiteral(" is translated as nothing");
        }
    }
    // Gone from the sources: `make translations` drops them.
    EXPECT_TRUE(leftOver.isEmpty()) << qPrintable(leftOver.join(QLatin1Char('\n')));
    if (unfinished.size() == qsizetype(messages.size()))
        GTEST_SKIP() << qPrintable(GetParam()) << ": no text translated yet (" << messages.size() << " to do)";
    EXPECT_TRUE(unfinished.isEmpty()) << unfinished.size() << " unfinished, the first: "
                                      << qPrintable(unfinished.mid(0, 10).join(QLatin1Char('\n')));
    EXPECT_TRUE(faults.isEmpty()) << qPrintable(faults.join(QLatin1Char('\n')));
}

// The list the build makes .qm files of.
QStringList languages() { return QStringLiteral(ROROVOVO_LANGUAGES).split(QLatin1Char(',')); }

INSTANTIATE_TEST_SUITE_P(Languages, Translation, ::testing::ValuesIn(languages()),
                         [](const auto& language) { return language.param.toStdString(); });

}  // namespace
