#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace rorovovo::profiles {

// One line of the celebrity data file, split at its first "|".
struct Celebrity {
    QString name;
    QString datePart;
};

// The data file's entries, kept as the one decoded text with where each entry lies in it: a file of thousands
// costs two numbers an entry until a menu makes captions from it.
class CelebrityList {
  public:
    size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    // Entry i (from 0), made on each call.
    Celebrity operator[](size_t i) const;

  private:
    friend CelebrityList parseCelebrities(const QByteArray& bytes);
    struct Entry {
        qsizetype lineAt;   // where the line starts in text_
        qsizetype dateAt;   // where its date part starts
        qsizetype lineEnd;  // where it ends, line break excluded
        qsizetype nameEnd;  // where its name ends
    };
    QString text_;
    std::vector<Entry> entries_;
};

// Lines end with CR LF or LF; a last line without a line break counts, the empty text after a final
// line break does not. An empty line inside the file is an entry with empty name and date part. The text is
// UTF-8 when valid, Windows-1252 otherwise.
CelebrityList parseCelebrities(const QByteArray& bytes);

// Reads and parses the data file. Nothing when the file does not exist; a file that exists and cannot be
// read throws AppError.
std::optional<CelebrityList> readCelebrityFile(const QString& path);

}  // namespace rorovovo::profiles
