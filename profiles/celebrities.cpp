#include "profiles/celebrities.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "profiles/profile_entry.h"
#include "profiles/text_codec.h"
#include "rhythm/errors.h"

namespace rorovovo::profiles {

std::vector<Celebrity> parseCelebrities(const QByteArray& bytes) {
    const QString text = decodeUtf8OrWindows1252(bytes);
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
    const QFileInfo info(path);
    if (!info.exists()) return std::nullopt;
    QFile file(path);
    QByteArray bytes;
    bool ok = !info.isDir() && file.open(QIODevice::ReadOnly);
    if (ok) {
        bytes = file.readAll();
        ok = file.error() == QFileDevice::NoError;
    }
    if (!ok) {
        const QString reason = info.isDir() ? QStringLiteral("it is a folder") : file.errorString();
        throw AppError(QStringLiteral("Input/output error: unable to read %1 (%2)")
                           .arg(QDir::toNativeSeparators(info.absoluteFilePath()), reason)
                           .toStdString());
    }
    return parseCelebrities(bytes);
}

}  // namespace rorovovo::profiles
