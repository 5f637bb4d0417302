#include "profiles/preferences.h"

#include "profiles/ini_store.h"

namespace rorovovo::profiles {

namespace {

const QString kSection = QStringLiteral("Preferences");

}  // namespace

IniStore& openStore(const std::unique_ptr<IniStore>& store) {
    if (!store) throw AppError("The settings file is not open");
    return *store;
}

IniStore& Preferences::store() const { return openStore(store_); }

bool Preferences::get(const BoolPreference& p) const {
    return store().readBool(kSection, QLatin1String(p.key), p.fallback);
}

int Preferences::get(const IntPreference& p, int current) const {
    return store().readInteger(kSection, QLatin1String(p.key), current);
}

QString Preferences::get(const TextPreference& p) const {
    return store().readString(kSection, QLatin1String(p.key), QLatin1String(p.fallback));
}

void Preferences::set(const BoolPreference& p, bool value) { store().writeBool(kSection, QLatin1String(p.key), value); }

void Preferences::set(const IntPreference& p, int value) {
    store().writeInteger(kSection, QLatin1String(p.key), value);
}

void Preferences::set(const TextPreference& p, const QString& value) {
    store().writeString(kSection, QLatin1String(p.key), value);
}

void Preferences::eraseObsoleteRhythmSection() { store().eraseSection(QStringLiteral("Rhytms")); }

}  // namespace rorovovo::profiles
