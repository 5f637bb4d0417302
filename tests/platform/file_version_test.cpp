#include "platform/file_version.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>

using rorovovo::platform::getFileVersion;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
}

// Builds a minimal ELF file: the null section, the section-name table and one section holding `payload`.
class ElfBuilder {
  public:
    ElfBuilder(bool is64, bool bigEndian) : is64_(is64), big_(bigEndian) {}

    QByteArray build(const QByteArray& sectionName, const QByteArray& payload, std::uint32_t type = 1) const {
        const QByteArray names = QByteArray("\0.shstrtab\0", 11) + sectionName + QByteArray(1, '\0');
        const int headerSize = is64_ ? 64 : 52;
        const int entrySize = is64_ ? 64 : 40;
        QByteArray file(headerSize, '\0');
        const int namesOffset = file.size();
        file += names;
        const int payloadOffset = file.size();
        file += payload;
        while (file.size() % 8) file += '\0';
        const int table = file.size();
        file += QByteArray(entrySize, '\0');  // the null section
        file += section(1, 3, namesOffset, names.size());
        file += section(11, type, payloadOffset, payload.size());

        file[0] = 0x7f;
        file[1] = 'E';
        file[2] = 'L';
        file[3] = 'F';
        file[4] = is64_ ? 2 : 1;
        file[5] = big_ ? 2 : 1;
        file[6] = 1;
        if (is64_) {
            put(file, 40, table, 8);
            put(file, 58, entrySize, 2);
            put(file, 60, 3, 2);
            put(file, 62, 1, 2);
        } else {
            put(file, 32, table, 4);
            put(file, 46, entrySize, 2);
            put(file, 48, 3, 2);
            put(file, 50, 1, 2);
        }
        return file;
    }

    QByteArray record(std::uint32_t signature, std::uint32_t ms, std::uint32_t ls) const {
        QByteArray r(24, '\0');
        put(r, 0, signature, 4);
        put(r, 4, 0x00010000u, 4);
        put(r, 8, ms, 4);
        put(r, 12, ls, 4);
        put(r, 16, ms, 4);
        put(r, 20, ls, 4);
        return r;
    }

  private:
    QByteArray section(std::uint32_t name, std::uint32_t type, std::uint64_t offset, std::uint64_t size) const {
        QByteArray s(is64_ ? 64 : 40, '\0');
        put(s, 0, name, 4);
        put(s, 4, type, 4);
        put(s, is64_ ? 24 : 16, offset, is64_ ? 8 : 4);
        put(s, is64_ ? 32 : 20, size, is64_ ? 8 : 4);
        return s;
    }

    void put(QByteArray& b, int at, std::uint64_t value, int bytes) const {
        for (int i = 0; i < bytes; ++i) {
            const int shift = big_ ? 8 * (bytes - 1 - i) : 8 * i;
            b[at + i] = static_cast<char>((value >> shift) & 0xFF);
        }
    }

    bool is64_;
    bool big_;
};

}  // namespace

TEST(FileVersion, embeddedVersionIsReadBackFromTheExecutable) {
    EXPECT_EQ(getFileVersion(QStringLiteral(ROROVOVO_FV_HELPER)), QStringLiteral("2.10.0.7"));
}

TEST(FileVersion, fileWithoutVersionMissingFileFolderAndTextGiveEmpty) {
    // This test program carries no version record.
    EXPECT_EQ(getFileVersion(QCoreApplication::applicationFilePath()), QString());
    QTemporaryDir dir;
    EXPECT_EQ(getFileVersion(dir.filePath(QStringLiteral("nothing.exe"))), QString());
    EXPECT_EQ(getFileVersion(dir.path()), QString());
    EXPECT_EQ(getFileVersion(writeFile(dir, "text", "just some text, no executable")), QString());
    EXPECT_EQ(getFileVersion(writeFile(dir, "empty", QByteArray())), QString());
    EXPECT_EQ(getFileVersion(QString()), QString());
}

TEST(FileVersion, everyElfClassAndByteOrderIsRead) {
    QTemporaryDir dir;
    for (bool is64 : {false, true}) {
        for (bool big : {false, true}) {
            const ElfBuilder elf(is64, big);
            const QByteArray file =
                elf.build(".rorovovo_version", elf.record(0xFEEF04BDu, (65535u << 16) | 0u, (3u << 16) | 40000u));
            EXPECT_EQ(getFileVersion(writeFile(dir, "v", file)), QStringLiteral("65535.0.3.40000"))
                << "64-bit " << is64 << ", big-endian " << big;
        }
    }
}

TEST(FileVersion, recordOutsideItsSectionOrWithoutSignatureIsIgnored) {
    QTemporaryDir dir;
    const ElfBuilder elf(true, false);
    const QByteArray good = elf.record(0xFEEF04BDu, 0x00010000u, 0x00030000u);
    EXPECT_EQ(getFileVersion(writeFile(dir, "ok", elf.build(".rorovovo_version", good))), QStringLiteral("1.0.3.0"));
    // The same bytes in an ordinary data section are no version.
    EXPECT_EQ(getFileVersion(writeFile(dir, "data", elf.build(".data", good))), QString());
    EXPECT_EQ(getFileVersion(writeFile(dir, "prefix", elf.build(".rorovovo_versions", good))), QString());
    // A section without contents in the file (NOBITS) is not read.
    EXPECT_EQ(getFileVersion(writeFile(dir, "nobits", elf.build(".rorovovo_version", good, 8))), QString());
    EXPECT_EQ(getFileVersion(writeFile(dir, "sig", elf.build(".rorovovo_version", elf.record(0xFEEF04BCu, 1, 1)))),
              QString());
    EXPECT_EQ(getFileVersion(writeFile(dir, "short", elf.build(".rorovovo_version", good.left(23)))), QString());
}

TEST(FileVersion, damagedExecutablesNeverCrashAndNeverInventAVersion) {
    const QByteArray original = readAll(QStringLiteral(ROROVOVO_FV_HELPER));
    ASSERT_GT(original.size(), 1000);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("damaged"));

    // Cut short anywhere: either the record is still whole and read correctly, or there is none.
    for (int length = 0; length < original.size(); length += 1 + length / 8) {
        const QString version = getFileVersion(writeFile(dir, "damaged", original.left(length)));
        EXPECT_TRUE(version.isEmpty() || version == QStringLiteral("2.10.0.7")) << length;
    }
    // Header fields pointing anywhere: section table offset, entry size, count and names index.
    const int fields[][2] = {{40, 8}, {58, 2}, {60, 2}, {62, 2}};
    const quint64 values[] = {0, 1, 0xFFFF, 0xFFFFFFFFull, 0xFFFFFFFFFFFFFFFFull, quint64(original.size() - 1)};
    for (const auto& field : fields) {
        for (quint64 value : values) {
            QByteArray bad = original;
            for (int i = 0; i < field[1]; ++i) bad[field[0] + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
            const QString version = getFileVersion(writeFile(dir, "damaged", bad));
            EXPECT_TRUE(version.isEmpty() || version == QStringLiteral("2.10.0.7")) << field[0] << " " << value;
        }
    }
    // Garbage in every section header.
    QByteArray scrambled = original;
    const quint64 table = *reinterpret_cast<const quint64*>(original.constData() + 40);
    ASSERT_LT(table, quint64(original.size()));
    for (qsizetype i = qsizetype(table); i < scrambled.size(); ++i) scrambled[i] = static_cast<char>(i * 37 + 11);
    EXPECT_EQ(getFileVersion(writeFile(dir, "damaged", scrambled)), QString());
}
