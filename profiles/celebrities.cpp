#include "profiles/celebrities.h"

#include "core/errors.h"
#include "profiles/file_ops.h"
#include "profiles/profile_entry.h"
#include "profiles/text_codec.h"

namespace rorovovo::profiles {

std::vector<Celebrity> parseCelebrities(const QByteArray& bytes) {
    const QString text = decodeText(bytes);
    std::vector<Celebrity> result;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0) end = text.size();
        qsizetype lineEnd = end;
        if (lineEnd > start && text[lineEnd - 1] == QLatin1Char('\r')) --lineEnd;
        const ProfileEntry entry = parseProfileEntry(text.mid(start, lineEnd - start));
        result.push_back({entry.name, entry.datePart});
        start = end + 1;
    }
    return result;
}

std::optional<std::vector<Celebrity>> readCelebrityFile(const QString& path) {
    QByteArray bytes;
    QString reason;
    switch (readRegularFile(path, &bytes, &reason)) {
        case ReadResult::Read:
            return parseCelebrities(bytes);
        case ReadResult::Missing:
            return std::nullopt;
        case ReadResult::NotRegular:
        case ReadResult::Failed:
            break;
    }
    throw AppError(readErrorMessage(path, reason).toStdString());
}

}  // namespace rorovovo::profiles
