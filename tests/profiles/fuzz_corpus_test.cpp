// Feeds every file of the fuzzing corpus to the fuzz entry point, so that the promises it checks hold in every
// ordinary build, without clang.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

TEST(FuzzCorpus, everyFileReadsWithoutCrash_andSavesBackTheSameSettings) {
    const QDir corpus(QStringLiteral(ROROVOVO_SOURCE_DIR "/profiles/fuzz/corpus"));
    const QStringList files = corpus.entryList(QDir::Files, QDir::Name);
    ASSERT_GE(files.size(), 30) << qPrintable(corpus.path());
    for (const QString& name : files) {
        QFile file(corpus.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(name);
        const QByteArray bytes = file.readAll();
        // Named before the call: a broken promise aborts the program.
        std::fprintf(stderr, "corpus file %s\n", qPrintable(name));
        EXPECT_EQ(LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()), bytes.size()), 0);
    }
}

}  // namespace
