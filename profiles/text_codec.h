#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <vector>

namespace rorovovo::profiles {

// How the text of a settings or data file is stored. Files written by older versions or by hand on Windows are in
// the ANSI code page, newer ones in UTF-8, and one file may hold both (a comment typed in an old editor): each line
// is read on its own, as UTF-8 when it is valid UTF-8 and as Windows-1252 otherwise. A file that starts with a
// UTF-16 byte-order mark is UTF-16 throughout.
enum class TextEncoding {
    PerLine,  // UTF-8 or Windows-1252 line by line; text we write is UTF-8
    Utf16LE,
    Utf16BE,
};

struct TextLayout {
    TextEncoding encoding = TextEncoding::PerLine;
    qsizetype markLength = 0;  // the byte-order mark (UTF-8 or UTF-16) in bytes; it is not part of the text
    qsizetype unitSize() const { return encoding == TextEncoding::PerLine ? 1 : 2; }
};

TextLayout detectLayout(QByteArrayView bytes);

// One line of the file, without its line break, and back. Text that cannot be stored (an unpaired surrogate)
// is written as the replacement character.
QString decodeLine(QByteArrayView bytes, TextEncoding encoding);
QByteArray encodeLine(const QString& text, TextEncoding encoding);

// Byte offsets of one line in the file: its text runs from `begin` to `textEnd`; the carriage returns and the line
// feed that end it run from `textEnd` to `end`. The last line may end without a line feed.
struct LineSpan {
    qsizetype begin = 0;
    qsizetype textEnd = 0;
    qsizetype end = 0;
    bool endsWithLineFeed = false;
};

// The lines after the byte-order mark. The text after the last line feed counts as a line when it is not empty.
std::vector<LineSpan> splitLines(QByteArrayView bytes, const TextLayout& layout);

// A whole file as text, every line decoded as above, line breaks kept as they are and the byte-order mark left out.
QString decodeText(const QByteArray& bytes);

// Windows-1252 alone: 0x80-0x9F carry the typographic characters, the rest matches Latin-1. The five
// unassigned bytes map to the control characters of the same number, as Windows does.
QString decodeWindows1252(QByteArrayView bytes);

}  // namespace rorovovo::profiles
