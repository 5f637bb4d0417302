#include "platform/file_version.h"

#include <QFile>
#include <QString>
#include <cstdint>
#include <cstring>
#include <optional>

namespace rorovovo::platform {

namespace {

constexpr std::uint32_t kSignature = 0xFEEF04BDu;
constexpr std::uint32_t kRecordVersion = 0x00010000u;
constexpr int kRecordSize = 24;
constexpr char kSectionName[] = ".rorovovo_version";
constexpr std::uint32_t kSectionProgbits = 1;
// No sane executable has more; a larger count means a damaged file, not a reason to read gigabytes.
constexpr std::uint64_t kMaxSections = 65536;

// Reads from an ELF file with every offset checked against the file's size.
class ElfReader {
  public:
    explicit ElfReader(QFile& file) : file_(file), size_(static_cast<std::uint64_t>(file.size())) {}

    bool read(std::uint64_t offset, void* out, std::uint64_t count) {
        if (offset > size_ || count > size_ - offset) return false;
        if (!file_.seek(static_cast<qint64>(offset))) return false;
        return file_.read(static_cast<char*>(out), static_cast<qint64>(count)) == static_cast<qint64>(count);
    }

    bool bigEndian = false;
    bool is64 = false;

    std::uint64_t word(const unsigned char* p, int bytes) const {
        std::uint64_t v = 0;
        for (int i = 0; i < bytes; ++i) {
            const int shift = bigEndian ? 8 * (bytes - 1 - i) : 8 * i;
            v |= static_cast<std::uint64_t>(p[i]) << shift;
        }
        return v;
    }

  private:
    QFile& file_;
    std::uint64_t size_;
};

struct Section {
    std::uint32_t name = 0;
    std::uint32_t type = 0;
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
    std::uint32_t link = 0;
};

struct Header {
    std::uint64_t sectionTable = 0;
    std::uint64_t entrySize = 0;
    std::uint64_t count = 0;
    std::uint64_t namesIndex = 0;
};

std::optional<Section> readSection(ElfReader& elf, const Header& h, std::uint64_t index) {
    unsigned char raw[64] = {};
    const std::uint64_t need = elf.is64 ? 64 : 40;
    if (h.entrySize < need || index >= h.count) return std::nullopt;
    if (index > (UINT64_MAX - h.sectionTable) / h.entrySize) return std::nullopt;
    if (!elf.read(h.sectionTable + index * h.entrySize, raw, need)) return std::nullopt;
    Section s;
    s.name = static_cast<std::uint32_t>(elf.word(raw, 4));
    s.type = static_cast<std::uint32_t>(elf.word(raw + 4, 4));
    if (elf.is64) {
        s.offset = elf.word(raw + 24, 8);
        s.size = elf.word(raw + 32, 8);
        s.link = static_cast<std::uint32_t>(elf.word(raw + 40, 4));
    } else {
        s.offset = elf.word(raw + 16, 4);
        s.size = elf.word(raw + 20, 4);
        s.link = static_cast<std::uint32_t>(elf.word(raw + 24, 4));
    }
    return s;
}

std::optional<Header> readHeader(ElfReader& elf) {
    unsigned char ident[64] = {};
    if (!elf.read(0, ident, 16)) return std::nullopt;
    if (std::memcmp(ident,
                    "\x7f"
                    "ELF",
                    4) != 0)
        return std::nullopt;
    if (ident[4] != 1 && ident[4] != 2) return std::nullopt;
    if (ident[5] != 1 && ident[5] != 2) return std::nullopt;
    elf.is64 = ident[4] == 2;
    elf.bigEndian = ident[5] == 2;
    const std::uint64_t headerSize = elf.is64 ? 64 : 52;
    if (!elf.read(0, ident, headerSize)) return std::nullopt;
    Header h;
    if (elf.is64) {
        h.sectionTable = elf.word(ident + 40, 8);
        h.entrySize = elf.word(ident + 58, 2);
        h.count = elf.word(ident + 60, 2);
        h.namesIndex = elf.word(ident + 62, 2);
    } else {
        h.sectionTable = elf.word(ident + 32, 4);
        h.entrySize = elf.word(ident + 46, 2);
        h.count = elf.word(ident + 48, 2);
        h.namesIndex = elf.word(ident + 50, 2);
    }
    if (h.sectionTable == 0) return std::nullopt;
    // Files with very many sections keep the true count and names index in section 0.
    if (h.count == 0 || h.namesIndex == 0xFFFF) {
        Header first = h;
        first.count = 1;
        const auto zero = readSection(elf, first, 0);
        if (!zero) return std::nullopt;
        if (h.count == 0) h.count = zero->size;
        if (h.namesIndex == 0xFFFF) h.namesIndex = zero->link;
    }
    if (h.count == 0 || h.count > kMaxSections || h.namesIndex >= h.count) return std::nullopt;
    return h;
}

bool nameIs(ElfReader& elf, const Section& names, std::uint32_t nameOffset) {
    constexpr std::uint64_t length = sizeof kSectionName;  // the terminating zero included
    if (nameOffset > names.size || length > names.size - nameOffset) return false;
    char buffer[length] = {};
    if (!elf.read(names.offset + nameOffset, buffer, length)) return false;
    return std::memcmp(buffer, kSectionName, length) == 0;
}

QString versionOf(ElfReader& elf) {
    const auto header = readHeader(elf);
    if (!header) return {};
    const auto names = readSection(elf, *header, header->namesIndex);
    if (!names) return {};
    for (std::uint64_t i = 0; i < header->count; ++i) {
        const auto section = readSection(elf, *header, i);
        if (!section) return {};
        if (section->type != kSectionProgbits || section->size < kRecordSize) continue;
        if (!nameIs(elf, *names, section->name)) continue;
        unsigned char record[kRecordSize];
        if (!elf.read(section->offset, record, kRecordSize)) return {};
        if (elf.word(record, 4) != kSignature || elf.word(record + 4, 4) != kRecordVersion) return {};
        const auto ms = static_cast<std::uint32_t>(elf.word(record + 8, 4));
        const auto ls = static_cast<std::uint32_t>(elf.word(record + 12, 4));
        return QStringLiteral("%1.%2.%3.%4").arg(ms >> 16).arg(ms & 0xFFFF).arg(ls >> 16).arg(ls & 0xFFFF);
    }
    return {};
}

}  // namespace

QString getFileVersion(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    ElfReader elf(file);
    return versionOf(elf);
}

}  // namespace rorovovo::platform
