#include "profiles/reminders_settings.h"

#include <algorithm>
#include <optional>

#include "core/errors.h"
#include "core/file_ops.h"
#include "profiles/groups.h"
#include "profiles/ini_store.h"
#include "profiles/profile_entry.h"
#include "rhythm/dates.h"

namespace rorovovo::profiles {

namespace {

const QString kSection = QStringLiteral("Reminders");
// Counts beyond these are damage, not lists anyone keeps; they only bound the lookups.
constexpr int kMostPeople = 100000;

constexpr rhythm::CriticalKind kKinds[] = {rhythm::CriticalKind::Single, rhythm::CriticalKind::Double,
                                           rhythm::CriticalKind::Triple};

QString kindName(rhythm::CriticalKind kind) {
    const auto name = rhythm::criticalKindName(kind);
    return QString::fromLatin1(name.data(), int(name.size()));
}

// The birth date of an entry written as DD.MM.YYYY, when it is a date.
std::optional<double> birthOf(const ProfileEntry& e) {
    if (e.datePart.size() != 10) return std::nullopt;
    try {
        return rhythm::birthDateValue(entryDay(e.datePart).toStdString(), entryMonth(e.datePart).toStdString(),
                                      entryYear(e.datePart).toStdString());
    } catch (const AppError&) {
        return std::nullopt;
    }
}

// The entry trimmed when it holds a date; the empty text otherwise.
QString validEntry(const QString& text) {
    return birthOf(parseProfileEntry(text.trimmed())) ? text.trimmed() : QString();
}

}  // namespace

ReminderSettings readReminderSettings(IniStore& store) {
    ReminderSettings s;
    s.Enabled = store.readBool(kSection, QStringLiteral("Enabled"), false);
    s.Calendar = store.readBool(kSection, QStringLiteral("Calendar"), false);
    const int lead = store.readInteger(kSection, QStringLiteral("Lead"), s.Options.LeadDays);
    if (std::count(std::begin(rhythm::ReminderLeads), std::end(rhythm::ReminderLeads), lead)) s.Options.LeadDays = lead;

    const QString kinds = store.readString(kSection, QStringLiteral("Kinds"), QStringLiteral("double,triple"));
    s.Options.Kinds = 0;
    for (const QString& word : kinds.split(QLatin1Char(','), Qt::SkipEmptyParts))
        for (const rhythm::CriticalKind kind : kKinds)
            if (word.trimmed().compare(kindName(kind), Qt::CaseInsensitive) == 0)
                s.Options.Kinds = static_cast<rhythm::KindSet>(s.Options.Kinds | rhythm::kindBit(kind));

    // "H:MM" or "HH:MM", read by hand: a regular expression would load its library at every start.
    const QString time = store.readString(kSection, QStringLiteral("Time"), {});
    const qsizetype colon = time.indexOf(QLatin1Char(':'));
    const auto digits = [](QStringView t) {
        return !t.isEmpty() && std::all_of(t.begin(), t.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    };
    const QStringView hours = QStringView(time).left(colon), minutes = QStringView(time).mid(colon + 1);
    if (colon > 0 && hours.size() <= 2 && minutes.size() == 2 && digits(hours) && digits(minutes) &&
        hours.toInt() < 24 && minutes.toInt() < 60)
        s.Options.MinuteOfDay = hours.toInt() * 60 + minutes.toInt();

    const int people = std::clamp(store.readInteger(kSection, QStringLiteral("People"), 0), 0, kMostPeople);
    for (int i = 0; i < people; ++i) {
        const QString entry = validEntry(store.readString(kSection, QStringLiteral("Person%1").arg(i), {}));
        if (!entry.isEmpty() && !s.People.contains(entry)) s.People << entry;
    }
    return s;
}

void writeReminderSettings(IniStore& store, const ReminderSettings& s) {
    QStringList kinds;
    for (const rhythm::CriticalKind kind : kKinds)
        if (s.Options.Kinds & rhythm::kindBit(kind)) kinds << kindName(kind);
    IniStore::Batch batch(store);
    store.eraseSection(kSection);
    store.writeBool(kSection, QStringLiteral("Enabled"), s.Enabled);
    store.writeInteger(kSection, QStringLiteral("Lead"), s.Options.LeadDays);
    store.writeString(kSection, QStringLiteral("Kinds"), kinds.join(QLatin1Char(',')));
    store.writeString(kSection, QStringLiteral("Time"),
                      QString::asprintf("%02d:%02d", s.Options.MinuteOfDay / 60, s.Options.MinuteOfDay % 60));
    store.writeBool(kSection, QStringLiteral("Calendar"), s.Calendar);
    store.writeInteger(kSection, QStringLiteral("People"), int(s.People.size()));
    for (int i = 0; i < s.People.size(); ++i)
        store.writeString(kSection, QStringLiteral("Person%1").arg(i), s.People[i]);
    batch.commit();
}

std::vector<rhythm::RemindedPerson> remindedPeople(const QStringList& entries) {
    std::vector<rhythm::RemindedPerson> people;
    for (const QString& entry : entries) {
        const ProfileEntry e = parseProfileEntry(entry);
        if (const auto birth = birthOf(e)) people.push_back({e.name.toStdString(), *birth});
    }
    return people;
}

QList<PeopleGroup> plannerGroups(IniStore& store) {
    QList<PeopleGroup> groups;
    const GroupStore stored(store);
    for (const QString& name : stored.names()) {
        PeopleGroup g{name, {}};
        for (const ProfileEntry& e : stored.members(name).value_or(QList<ProfileEntry>{}))
            if (const QString entry = validEntry(e.name + QLatin1Char('|') + e.datePart); !entry.isEmpty())
                g.Members << entry;
        groups << g;
    }
    return groups;
}

std::set<std::string> readShownReminders(const QString& path) {
    QByteArray bytes;
    std::set<std::string> shown;
    if (core::readRegularFile(path, &bytes, nullptr) != core::ReadResult::Read) return shown;
    for (const QByteArray& line : bytes.split('\n'))
        if (!line.isEmpty() && !line.startsWith('#')) shown.insert(line.toStdString());
    return shown;
}

void writeShownReminders(const QString& path, const std::set<std::string>& shown) {
    QByteArray bytes = "# Reminders of critical days already shown: day|lead|birth date|name\n";
    for (const std::string& key : shown) bytes += QByteArray::fromStdString(key) + '\n';
    core::writeFileAtomically(path, bytes);
}

}  // namespace rorovovo::profiles
