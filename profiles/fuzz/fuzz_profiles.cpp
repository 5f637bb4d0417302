// Arbitrary bytes as a settings file and as a celebrity file: the readers never crash, saving what was read
// gives the same settings back, and a write changes what it names and nothing else. A broken promise aborts,
// which libFuzzer and the corpus test both report.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "profiles/celebrities.h"
#include "profiles/ini_document.h"

using rorovovo::profiles::IniDocument;

namespace {

[[noreturn]] void broken(const char* promise) {
    std::fprintf(stderr, "fuzz_profiles: %s\n", promise);
    std::abort();
}

void expectSameSettings(const IniDocument& a, const IniDocument& b, const char* promise) {
    if (a.sectionNames() != b.sectionNames()) broken(promise);
    for (const QString& section : a.sectionNames()) {
        const QStringList keys = a.keyNames(section);
        if (keys != b.keyNames(section)) broken(promise);
        for (const QString& key : keys) {
            if (a.value(section, key) != b.value(section, key)) broken(promise);
        }
    }
}

void checkSettingsFile(const QByteArray& bytes) {
    const IniDocument doc = IniDocument::parse(bytes);
    const QByteArray saved = doc.serialize();
    if (saved != bytes) broken("a file nobody changed did not save byte for byte");
    const IniDocument reread = IniDocument::parse(saved);
    expectSameSettings(doc, reread, "saving changed the settings");
    if (reread.serialize() != saved) broken("saving a saved file changed it");

    IniDocument edited = doc;
    edited.setValue(QStringLiteral("Records"), QStringLiteral("Profiles"), QStringLiteral("7"));
    const IniDocument editedReread = IniDocument::parse(edited.serialize());
    if (editedReread.value(QStringLiteral("records"), QStringLiteral("PROFILES")) != QStringLiteral("7")) {
        broken("a written value did not read back");
    }
    edited.removeKey(QStringLiteral("Records"), QStringLiteral("Profiles"));
    if (IniDocument::parse(edited.serialize()).value(QStringLiteral("Records"), QStringLiteral("Profiles"))) {
        broken("a deleted key is still there");
    }
    edited.removeSection(QStringLiteral("Records"));
    IniDocument untouched = doc;
    untouched.removeSection(QStringLiteral("Records"));
    expectSameSettings(IniDocument::parse(edited.serialize()), untouched, "a write touched another section");
}

void checkCelebrityFile(const QByteArray& bytes) {
    const auto list = rorovovo::profiles::parseCelebrities(bytes);
    if (qsizetype(list.size()) > bytes.count('\n') + 1) broken("more celebrities than lines");
    for (size_t i = 0; i < list.size(); ++i) {
        const auto celebrity = list[i];
        if (celebrity.name.contains(QLatin1Char('|'))) broken("a name holds the separator");
        if (celebrity.datePart.contains(QLatin1Char('\n'))) broken("an entry spans two lines");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    checkSettingsFile(bytes);
    checkCelebrityFile(bytes);
    return 0;
}
