#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "profiles/text_codec.h"

namespace rorovovo::profiles {

// The text of a settings (INI) file held in memory line by line, so that a rewrite keeps whatever the user
// wrote by hand: comments (first non-blank character ";"), blank lines, lines without "=", the spacing around
// "=" and the letter case of names. Section and key names are compared without regard to case and with blanks
// at their ends ignored; when a section or a key appears twice, the first one counts and is the one rewritten.
// Lines before the first section header belong to no section and are only carried along.
class IniDocument {
  public:
    // Never fails: every byte sequence is some document. Each line is decoded on its own (see TextLayout); a
    // byte-order mark is remembered. Lines end with LF, CR LF or LF after several CRs.
    static IniDocument parse(const QByteArray& bytes);
    // The parsed bytes, with every line the document did not change exactly as it stood (encoding and line break
    // included), so a document nobody changed gives back its file byte for byte. Lines it wrote are UTF-16 in a
    // UTF-16 file and UTF-8 otherwise, and end with the line break the file's first line used (CR LF for a new
    // file on Windows, LF elsewhere).
    QByteArray serialize() const;

    // The value with blanks at both ends removed, full length; nothing when the section or key is missing.
    std::optional<QString> value(const QString& section, const QString& key) const;

    // Each change reports whether the document changed; one that would leave every line as it is does nothing.
    // setValue replaces the value in place, or adds the key after the last key of its section, or adds the section
    // at the end of the file. Names must already be acceptable (see IniStore); they are not checked here.
    bool setValue(const QString& section, const QString& key, const QString& value);
    // Whether setValue with these arguments would leave the document as it is.
    bool holds(const QString& section, const QString& key, const QString& value) const;
    bool hasSection(const QString& section) const { return findSection(section) != nullptr; }
    // Removes every line of the key in the section; nothing happens when either is missing.
    bool removeKey(const QString& section, const QString& key);
    // Removes every section of that name with all its lines (comments inside included).
    bool removeSection(const QString& section);

    // The names that count, in file order, as written in the file (trimmed).
    QStringList sectionNames() const;
    QStringList keyNames(const QString& section) const;
    // Every key line of the section in file order, key and value without blanks at the ends; a key written twice
    // comes twice (value() takes the first).
    void forEachValue(const QString& section,
                      const std::function<void(QStringView key, QStringView value)>& visit) const;

    TextEncoding encoding() const { return layout_.encoding; }
    bool empty() const { return preamble_.empty() && sections_.empty(); }

  private:
    struct Line {
        QString text;            // the line as it stands in the file, without its line break
        qsizetype valueAt = -1;  // for a key line, the position just after its first "="; -1 otherwise
        qsizetype from = -1;     // where its bytes start in the parsed file; -1 once the document wrote it
        qsizetype to = -1;       // where its bytes end, line break included
        bool lineFeed = true;    // false for a last line that ended without a line break
    };
    // A section or key name without blanks at its ends, compared without regard to case. The hash looks
    // at the length and the ASCII letters only, which equal names share. Names such as the numbered profile keys
    // differ little in that sum, so it is spread by the toolkit's integer hash: the table places by the low bits.
    struct Name {
        QString text;
        friend bool operator==(const Name& a, const Name& b) {
            return a.text.compare(b.text, Qt::CaseInsensitive) == 0;
        }
        friend size_t qHash(const Name& name, size_t base) {
            size_t h = size_t(name.text.size());
            for (QChar c : name.text) {
                const char16_t u = c.unicode();
                h = h * 31 + (u < 0x80 ? ((u >= 'A' && u <= 'Z') ? u + 32 : u) : 0);
            }
            return ::qHash(h, base);
        }
    };
    struct Section {
        Line header;
        QString name;
        std::vector<Line> lines;
        QHash<Name, qsizetype> keys;  // key name -> line of its first occurrence
        void reindex();
        qsizetype insertPosition() const;
    };

    static Name fold(const QString& name);
    static Name keyOf(const Line& line);
    // The key and the value of a key line, without blanks at the ends.
    static QStringView keyText(const Line& line);
    static QStringView valueText(const Line& line);
    // Where a new value of the key line goes: after the blanks that follow "=", which stay as the user wrote them.
    static qsizetype valueStart(const Line& line);
    const Section* findSection(const QString& name) const;

    QByteArray source_;  // the parsed file; lines nobody changed are copied from it
    TextLayout layout_;
    std::vector<Line> preamble_;
    std::vector<Section> sections_;
    QHash<Name, qsizetype> sectionIndex_;  // section name -> its first occurrence
#ifdef Q_OS_WIN
    bool crlf_ = true;
#else
    bool crlf_ = false;
#endif
};

// Reads a stored number: decimal with an optional sign, or hexadecimal after "$" or after "0x" (x in either
// case, at least one digit), taken as a 32-bit pattern ("$FFFFFFFF" is -1). Decimal must fit in 32 bits.
// Nothing when the text is anything else.
std::optional<int> parseIniInteger(QStringView text);

}  // namespace rorovovo::profiles
