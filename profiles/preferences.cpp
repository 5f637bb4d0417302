#include "profiles/preferences.h"

#include "profiles/ini_store.h"

namespace rorovovo::profiles {

IniStore& openStore(const std::unique_ptr<IniStore>& store) {
    if (!store) throw AppError("The settings file is not open");
    return *store;
}

IniStore& Preferences::store() const { return openStore(store_); }

bool Preferences::get(const BoolPreference& p) const {
    return store().readBool(QLatin1String(p.section), QLatin1String(p.key), p.fallback);
}

int Preferences::get(const IntPreference& p, int current) const {
    return store().readInteger(QLatin1String(p.section), QLatin1String(p.key), current);
}

QString Preferences::get(const TextPreference& p) const {
    return store().readString(QLatin1String(p.section), QLatin1String(p.key), QLatin1String(p.fallback));
}

void Preferences::set(const BoolPreference& p, bool value) {
    store().writeBool(QLatin1String(p.section), QLatin1String(p.key), value);
}

void Preferences::set(const IntPreference& p, int value) {
    store().writeInteger(QLatin1String(p.section), QLatin1String(p.key), value);
}

void Preferences::set(const TextPreference& p, const QString& value) {
    store().writeString(QLatin1String(p.section), QLatin1String(p.key), value);
}

std::unique_ptr<IniStore::Batch> Preferences::batch() { return std::make_unique<IniStore::Batch>(store()); }

void Preferences::eraseObsoleteRhythmSection() { store().eraseSection(QStringLiteral("Rhytms")); }

}  // namespace rorovovo::profiles
