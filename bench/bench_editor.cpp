// Deleting one profile among 10,000 the way the profile editor does it: every later entry moves down one key,
// the highest key goes and the count drops, all in one atomic file write. Prints the time per delete for a
// profile at the start, the middle and the end of the list.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include "profiles/ini_store.h"
#include "profiles/profile_list.h"

namespace {

constexpr int kProfiles = 10000;

QByteArray profilesFile() {
    QByteArray text =
        "[Preferences]\nRhytms=111100\n[Records]\nProfiles=" + QByteArray::number(kProfiles) + "\nSelected=0\n";
    for (int k = 0; k < kProfiles; ++k)
        text += QByteArray::number(k) + "=Person number " + QByteArray::number(k) + "|07.11.1984\n";
    return text;
}

void deleteAmongTenThousand(benchmark::State& state) {
    const int position = int(state.range(0));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Cyclomat.ini"));
    const QByteArray original = profilesFile();
    for (auto _ : state) {
        state.PauseTiming();
        {
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) state.SkipWithError("cannot write the file");
            file.write(original);
        }
        // The program keeps its store open, so the parse of the file is not part of a delete.
        auto store = std::make_unique<rorovovo::profiles::IniStore>(path);
        rorovovo::profiles::ProfileList list(store);
        list.load();
        state.ResumeTiming();
        if (!list.remove(position)) state.SkipWithError("nothing was deleted");
        state.PauseTiming();
        if (store->readInteger(QStringLiteral("Records"), QStringLiteral("Profiles"), 0) != kProfiles - 1)
            state.SkipWithError("wrong count after the delete");
        state.ResumeTiming();
    }
    state.counters["shifted"] = kProfiles - 1 - position;
}

BENCHMARK(deleteAmongTenThousand)->Arg(0)->Arg(kProfiles / 2)->Arg(kProfiles - 1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
