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

// Lines end with CR LF or LF; a last line without a line break counts, the empty text after a final
// line break does not. An empty line inside the file is an entry with empty name and date part. The text is
// UTF-8 when valid, Windows-1252 otherwise.
std::vector<Celebrity> parseCelebrities(const QByteArray& bytes);

// Reads and parses the data file. Nothing when the file does not exist; a file that exists and cannot be
// read throws AppError.
std::optional<std::vector<Celebrity>> readCelebrityFile(const QString& path);

}  // namespace rorovovo::profiles
