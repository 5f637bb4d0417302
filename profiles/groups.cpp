#include "profiles/groups.h"

#include <QRegularExpression>

#include "core/errors.h"
#include "core/file_ops.h"
#include "profiles/celebrities.h"
#include "profiles/ini_store.h"
#include "rhythm/dates.h"

namespace rorovovo::profiles {

namespace {

const QString kSection = QStringLiteral("Groups");

QString key(const char* name, int i) { return QLatin1String(name) + QString::number(i); }
QString memberKey(int group, int member) { return QStringLiteral("Member%1_%2").arg(group).arg(member); }

// vCard TEXT values escape "\", ",", ";" and line breaks with a backslash.
QString unescaped(QStringView text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('\\') || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const QChar next = text[++i];
        out += next == QLatin1Char('n') || next == QLatin1Char('N') ? QLatin1Char(' ') : next;
    }
    return out;
}

// A name the profile entry can hold: the "|" separates the name from the date.
QString storableName(const QString& name) {
    return trimmedProfileName(QString(name).replace(QLatin1Char('|'), QLatin1Char('/')));
}

enum class Birthday { Dated, NoYear, None };

Birthday readBirthday(const QString& value, const QString& params, ProfileEntry* entry, const QString& name) {
    static const QRegularExpression full(QStringLiteral("^(\\d{4})-?(\\d{2})-?(\\d{2})$"));
    static const QRegularExpression yearless(QStringLiteral("^--(\\d{2})-?(\\d{2})$"));
    const QString date = value.section(QLatin1Char('T'), 0, 0).trimmed();
    if (yearless.match(date).hasMatch()) return Birthday::NoYear;
    const auto m = full.match(date);
    if (!m.hasMatch()) return Birthday::None;
    const int y = m.captured(1).toInt(), mo = m.captured(2).toInt(), d = m.captured(3).toInt();
    // Some address books store a birthday without a year under a year of their own and say so in a parameter.
    if (params.contains(QStringLiteral("X-APPLE-OMIT-YEAR=%1").arg(m.captured(1)), Qt::CaseInsensitive))
        return Birthday::NoYear;
    if (!rhythm::isValidDate(y, mo, d)) return Birthday::None;
    *entry = {name, buildProfileEntry(QString(), d, mo, y).mid(1)};
    return Birthday::Dated;
}

}  // namespace

std::optional<double> entryBirthDate(const QString& datePart) {
    try {
        return rhythm::birthDateValue(entryDay(datePart).toStdString(), entryMonth(datePart).toStdString(),
                                      entryYear(datePart).toStdString());
    } catch (const RangeError&) {
        return std::nullopt;  // a number no date box could hold
    }
}

QList<GroupStore::Group> GroupStore::readAll() const {
    // A damaged count cannot make more groups or members than the section has keys.
    int keys = 0;
    store_.forEachValue(kSection, [&keys](QStringView, QStringView) { ++keys; });
    QList<Group> groups;
    const int count = std::min(store_.readInteger(kSection, QStringLiteral("Groups"), 0), keys);
    for (int i = 0; i < count; ++i) {
        Group g{store_.readString(kSection, key("Name", i), QString()), {}};
        if (g.name.isNull()) continue;
        const int members = std::min(store_.readInteger(kSection, key("Members", i), 0), keys);
        for (int j = 0; j < members; ++j) {
            const QString entry = store_.readString(kSection, memberKey(i, j), QString());
            if (!entry.isNull()) g.members << parseProfileEntry(entry);
        }
        groups << g;
    }
    return groups;
}

void GroupStore::writeAll(const QList<Group>& groups) {
    store_.eraseSection(kSection);
    if (groups.isEmpty()) return;
    store_.writeInteger(kSection, QStringLiteral("Groups"), int(groups.size()));
    for (int i = 0; i < groups.size(); ++i) {
        store_.writeString(kSection, key("Name", i), groups[i].name);
        store_.writeInteger(kSection, key("Members", i), int(groups[i].members.size()));
        for (int j = 0; j < groups[i].members.size(); ++j) {
            const ProfileEntry& m = groups[i].members[j];
            store_.writeString(kSection, memberKey(i, j), m.name + QLatin1Char('|') + m.datePart);
        }
    }
}

QStringList GroupStore::names() const {
    QStringList names;
    for (const Group& g : readAll()) names << g.name;
    return names;
}

std::optional<QList<ProfileEntry>> GroupStore::members(const QString& name) const {
    for (const Group& g : readAll())
        if (g.name.compare(name, Qt::CaseInsensitive) == 0) return g.members;
    return std::nullopt;
}

void GroupStore::save(const QString& name, const QList<ProfileEntry>& members) {
    IniStore::Batch batch(store_);
    QList<Group> groups = readAll();
    auto it = std::find_if(groups.begin(), groups.end(),
                           [&](const Group& g) { return g.name.compare(name, Qt::CaseInsensitive) == 0; });
    if (it == groups.end()) it = groups.insert(groups.end(), Group{name, {}});
    it->members = members;
    writeAll(groups);
    batch.commit();
}

bool GroupStore::remove(const QString& name) {
    IniStore::Batch batch(store_);
    QList<Group> groups = readAll();
    const auto gone = groups.removeIf([&](const Group& g) { return g.name.compare(name, Qt::CaseInsensitive) == 0; });
    if (gone == 0) return false;
    writeAll(groups);
    batch.commit();
    return true;
}

QList<ProfileEntry> parseGroupFile(const QByteArray& bytes) {
    const CelebrityList lines = parseCelebrities(bytes);
    QList<ProfileEntry> entries;
    for (size_t i = 0; i < lines.size(); ++i) {
        const Celebrity c = lines[i];
        if (c.name.trimmed().isEmpty() && c.datePart.trimmed().isEmpty()) continue;
        entries.push_back({c.name, c.datePart});
    }
    return entries;
}

QList<ProfileEntry> readGroupFile(const QString& path) {
    QByteArray bytes;
    QString reason;
    switch (core::readRegularFile(path, &bytes, &reason)) {
        case core::ReadResult::Read:
            return parseGroupFile(bytes);
        case core::ReadResult::Missing:
            reason = QStringLiteral("no such file");
            break;
        case core::ReadResult::NotRegular:
        case core::ReadResult::Failed:
            break;
    }
    throw AppError(core::readErrorMessage(path, reason).toStdString());
}

QByteArray groupFileBytes(const QList<ProfileEntry>& members) {
    QByteArray bytes;
    for (const ProfileEntry& m : members) bytes += (m.name + QLatin1Char('|') + m.datePart).toUtf8() + '\n';
    return bytes;
}

ContactsImport parseContacts(const QByteArray& bytes) {
    QString text = QString::fromUtf8(bytes);
    // A line that starts with a blank or a tab continues the one before it.
    static const QRegularExpression fold(QStringLiteral("\r?\n[ \t]"));
    text.remove(fold);
    ContactsImport result;
    bool inCard = false;
    QString fn, n, bday, bdayParams;
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        // The name part ends at the first colon outside a quoted parameter value.
        qsizetype colon = -1;
        bool quoted = false;
        for (qsizetype i = 0; i < line.size() && colon < 0; ++i) {
            if (line[i] == QLatin1Char('"')) quoted = !quoted;
            if (line[i] == QLatin1Char(':') && !quoted) colon = i;
        }
        if (colon < 0) continue;
        QStringView head = line.left(colon);
        const QStringView value = line.mid(colon + 1);
        const qsizetype semicolon = head.indexOf(QLatin1Char(';'));
        QStringView property = semicolon < 0 ? head : head.left(semicolon);
        property = property.mid(property.lastIndexOf(QLatin1Char('.')) + 1);  // "item1.BDAY"
        const QString params = semicolon < 0 ? QString() : head.mid(semicolon + 1).toString();
        const auto is = [&](const char* name) {
            return property.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
        };
        if (is("BEGIN") && value.compare(QLatin1String("VCARD"), Qt::CaseInsensitive) == 0) {
            inCard = true;
            fn.clear(), n.clear(), bday.clear(), bdayParams.clear();
        } else if (!inCard) {
            continue;
        } else if (is("FN")) {
            fn = unescaped(value);
        } else if (is("N")) {
            const QStringList parts = value.toString().split(QLatin1Char(';'));
            n = (parts.value(1) + QLatin1Char(' ') + parts.value(0)).trimmed();
        } else if (is("BDAY")) {
            bday = value.toString();
            bdayParams = params;
        } else if (is("END")) {
            inCard = false;
            ProfileEntry entry;
            const QString name = storableName(fn.trimmed().isEmpty() ? unescaped(n) : fn);
            switch (bday.isEmpty() ? Birthday::None : readBirthday(bday, bdayParams, &entry, name)) {
                case Birthday::Dated:
                    result.people << entry;
                    break;
                case Birthday::NoYear:
                    ++result.withoutYear;
                    break;
                case Birthday::None:
                    ++result.withoutBirthday;
                    break;
            }
        }
    }
    return result;
}

QString importSummary(const ContactsImport& import) {
    const auto count = [](qsizetype n, const char* one, const char* many) {
        return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
    };
    QString text = count(import.people.size(), "person imported", "people imported");
    if (import.withoutYear)
        text += QStringLiteral("; ") + count(import.withoutYear, "card", "cards") + " had no birth year";
    if (import.withoutBirthday)
        text += QStringLiteral("; ") + count(import.withoutBirthday, "card", "cards") + " had no birthday";
    return text;
}

}  // namespace rorovovo::profiles
