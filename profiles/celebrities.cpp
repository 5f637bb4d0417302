#include "profiles/celebrities.h"

#include "core/errors.h"
#include "core/file_ops.h"
#include "profiles/profile_entry.h"
#include "profiles/text_codec.h"

namespace rorovovo::profiles {

Celebrity CelebrityList::operator[](size_t i) const {
    const Entry& e = entries_[i];
    return {text_.mid(e.lineAt, e.nameEnd - e.lineAt), text_.mid(e.dateAt, e.lineEnd - e.dateAt)};
}

CelebrityList parseCelebrities(const QByteArray& bytes) {
    CelebrityList list;
    const QString& text = list.text_ = decodeText(bytes);
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0) end = text.size();
        qsizetype lineEnd = end;
        if (lineEnd > start && text[lineEnd - 1] == QLatin1Char('\r')) --lineEnd;
        const EntrySplit split = splitProfileEntry(QStringView(text).sliced(start, lineEnd - start));
        list.entries_.push_back({start, start + split.dateAt, lineEnd, start + split.nameEnd});
        start = end + 1;
    }
    return list;
}

std::optional<CelebrityList> readCelebrityFile(const QString& path) {
    QByteArray bytes;
    QString reason;
    switch (core::readRegularFile(path, &bytes, &reason)) {
        case core::ReadResult::Read:
            return parseCelebrities(bytes);
        case core::ReadResult::Missing:
            return std::nullopt;
        case core::ReadResult::NotRegular:
        case core::ReadResult::Failed:
            break;
    }
    throw AppError(core::readErrorMessage(path, reason).toStdString());
}

}  // namespace rorovovo::profiles
