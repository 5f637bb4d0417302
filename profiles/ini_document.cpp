#include "profiles/ini_document.h"

#include <utility>

#include "profiles/text_codec.h"

namespace rorovovo::profiles {

namespace {

qsizetype firstNonBlank(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace()) ++i;
    return i;
}

// A header line: its first non-blank character is "[". The name runs to the first "]" or, when there is
// none, to the end of the line.
bool isHeader(QStringView text, QString* name) {
    const qsizetype start = firstNonBlank(text);
    if (start >= text.size() || text[start] != QLatin1Char('[')) return false;
    QStringView rest = text.mid(start + 1);
    const qsizetype close = rest.indexOf(QLatin1Char(']'));
    if (close >= 0) rest = rest.left(close);
    *name = rest.trimmed().toString();
    return true;
}

// Notes where a name first occurs, leaving a later occurrence out, with one lookup: this runs for every line read.
template <typename Index, typename Name>
void noteFirst(Index& index, Name&& name, qsizetype at) {
    const qsizetype before = index.size();
    qsizetype& first = index[std::forward<Name>(name)];
    if (index.size() != before) first = at;
}

int hexDigit(char16_t c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

IniDocument::Name IniDocument::fold(const QString& name) {
    if (name.isEmpty() || (!name.front().isSpace() && !name.back().isSpace())) return Name{name};
    return Name{name.trimmed()};
}

QStringView IniDocument::keyText(const Line& line) { return QStringView(line.text).left(line.valueAt - 1).trimmed(); }

QStringView IniDocument::valueText(const Line& line) { return QStringView(line.text).mid(line.valueAt).trimmed(); }

IniDocument::Name IniDocument::keyOf(const Line& line) { return Name{keyText(line).toString()}; }

void IniDocument::Section::reindex() {
    keys.clear();
    for (qsizetype i = 0; i < qsizetype(lines.size()); ++i) {
        if (lines[i].valueAt >= 0) noteFirst(keys, keyOf(lines[i]), i);
    }
}

qsizetype IniDocument::Section::insertPosition() const {
    for (qsizetype i = qsizetype(lines.size()) - 1; i >= 0; --i) {
        if (lines[i].valueAt >= 0) return i + 1;
    }
    return 0;
}

IniDocument IniDocument::parse(const QByteArray& bytes) {
    IniDocument doc;
    doc.source_ = bytes;
    doc.layout_ = detectLayout(bytes);
    const std::vector<LineSpan> spans = splitLines(bytes, doc.layout_);
    if (!spans.empty() && spans.front().endsWithLineFeed)
        doc.crlf_ = spans.front().end - spans.front().textEnd > doc.layout_.unitSize();

    for (const LineSpan& span : spans) {
        Line line{decodeLine(QByteArrayView(bytes).sliced(span.begin, span.textEnd - span.begin), doc.layout_.encoding),
                  -1, span.begin, span.end, span.endsWithLineFeed};
        QString name;
        if (isHeader(line.text, &name)) {
            Section section;
            section.header = std::move(line);
            section.name = name;
            noteFirst(doc.sectionIndex_, Name{name}, qsizetype(doc.sections_.size()));
            doc.sections_.push_back(std::move(section));
            continue;
        }
        const qsizetype blank = firstNonBlank(line.text);
        const bool comment = blank < line.text.size() && line.text[blank] == QLatin1Char(';');
        const qsizetype eq = comment ? -1 : line.text.indexOf(QLatin1Char('='));
        if (eq >= 0) line.valueAt = eq + 1;
        if (doc.sections_.empty()) {
            doc.preamble_.push_back(std::move(line));
            continue;
        }
        Section& section = doc.sections_.back();
        if (line.valueAt >= 0) noteFirst(section.keys, keyOf(line), qsizetype(section.lines.size()));
        section.lines.push_back(std::move(line));
    }
    return doc;
}

QByteArray IniDocument::serialize() const {
    std::vector<const Line*> lines;
    lines.reserve(preamble_.size() + sections_.size());
    for (const Line& line : preamble_) lines.push_back(&line);
    for (const Section& section : sections_) {
        lines.push_back(&section.header);
        for (const Line& line : section.lines) lines.push_back(&line);
    }
    const QByteArray eol = encodeLine(QLatin1String(crlf_ ? "\r\n" : "\n"), layout_.encoding);
    QByteArray bytes;
    bytes.reserve(source_.size() + 64);
    bytes.append(source_.left(layout_.markLength));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Line& line = *lines[i];
        const bool last = i + 1 == lines.size();
        const qsizetype length = line.to - line.from;
        // A last line without a line break gets one when something follows it; its text is written anew only
        // when it ends in half a UTF-16 character, which would shift everything after it.
        if (line.from >= 0 && (line.lineFeed || last || length % layout_.unitSize() == 0)) {
            bytes.append(source_.constData() + line.from, length);
            if (!line.lineFeed && !last) bytes.append(eol);
        } else {
            bytes.append(encodeLine(line.text, layout_.encoding)).append(eol);
        }
    }
    return bytes;
}

const IniDocument::Section* IniDocument::findSection(const QString& name) const {
    const auto it = sectionIndex_.constFind(fold(name));
    return it == sectionIndex_.cend() ? nullptr : &sections_[*it];
}

qsizetype IniDocument::valueStart(const Line& line) {
    qsizetype start = line.valueAt;
    while (start < line.text.size() && line.text[start].isSpace()) ++start;
    return start == line.text.size() ? line.valueAt : start;  // an empty value: no trailing blanks to keep
}

bool IniDocument::holds(const QString& section, const QString& key, const QString& value) const {
    const Section* s = findSection(section);
    if (!s) return false;
    const auto it = s->keys.constFind(fold(key));
    if (it == s->keys.cend()) return false;
    const Line& line = s->lines[*it];
    return QStringView(line.text).mid(valueStart(line)) == value;
}

std::optional<QString> IniDocument::value(const QString& section, const QString& key) const {
    const Section* s = findSection(section);
    if (!s) return std::nullopt;
    const auto it = s->keys.constFind(fold(key));
    if (it == s->keys.cend()) return std::nullopt;
    const Line& line = s->lines[*it];
    return valueText(line).toString();
}

bool IniDocument::setValue(const QString& section, const QString& key, const QString& value) {
    const QString sectionName = section.trimmed();
    const QString keyName = key.trimmed();
    const Name foldedSection{sectionName};
    auto sit = sectionIndex_.constFind(foldedSection);
    if (sit == sectionIndex_.cend()) {
        Section fresh;
        fresh.header.text = QLatin1Char('[') + sectionName + QLatin1Char(']');
        fresh.name = sectionName;
        sit = sectionIndex_.insert(foldedSection, qsizetype(sections_.size()));
        sections_.push_back(std::move(fresh));
    }
    Section& s = sections_[*sit];
    const Name foldedKey{keyName};
    const auto kit = s.keys.constFind(foldedKey);
    if (kit != s.keys.cend()) {
        Line& line = s.lines[*kit];
        // Keeps the key's spelling and the spacing around "=" as the user wrote them.
        QString text = line.text.left(valueStart(line)) + value;
        if (text == line.text) return false;
        line.text = std::move(text);
        line.from = -1;
        return true;
    }
    const qsizetype at = s.insertPosition();
    Line fresh;
    fresh.text = keyName + QLatin1Char('=') + value;
    fresh.valueAt = keyName.size() + 1;
    s.lines.insert(s.lines.begin() + at, std::move(fresh));
    if (at + 1 == qsizetype(s.lines.size())) {
        s.keys.insert(foldedKey, at);
    } else {
        s.reindex();
    }
    return true;
}

bool IniDocument::removeKey(const QString& section, const QString& key) {
    const auto sit = sectionIndex_.constFind(fold(section));
    if (sit == sectionIndex_.cend()) return false;
    Section& s = sections_[*sit];
    const Name folded = fold(key);
    if (!s.keys.contains(folded)) return false;
    const auto wanted = [&](const Line& line) { return line.valueAt >= 0 && keyOf(line) == folded; };
    const qsizetype first = s.keys.value(folded);
    s.lines.erase(std::remove_if(s.lines.begin() + first, s.lines.end(), wanted), s.lines.end());
    if (first == qsizetype(s.lines.size())) {
        s.keys.remove(folded);  // the last line went: nothing else moved
    } else {
        s.reindex();
    }
    return true;
}

bool IniDocument::removeSection(const QString& section) {
    const Name folded = fold(section);
    if (!sectionIndex_.contains(folded)) return false;
    sections_.erase(
        std::remove_if(sections_.begin(), sections_.end(), [&](const Section& s) { return Name{s.name} == folded; }),
        sections_.end());
    sectionIndex_.clear();
    for (qsizetype i = qsizetype(sections_.size()) - 1; i >= 0; --i) {
        sectionIndex_.insert(Name{sections_[i].name}, i);
    }
    return true;
}

QStringList IniDocument::sectionNames() const {
    QStringList names;
    for (qsizetype i = 0; i < qsizetype(sections_.size()); ++i) {
        if (sectionIndex_.value(Name{sections_[i].name}) == i) names << sections_[i].name;
    }
    return names;
}

QStringList IniDocument::keyNames(const QString& section) const {
    QStringList names;
    const Section* s = findSection(section);
    if (!s) return names;
    for (qsizetype i = 0; i < qsizetype(s->lines.size()); ++i) {
        const Line& line = s->lines[i];
        if (line.valueAt >= 0 && s->keys.value(keyOf(line)) == i) {
            names << keyText(line).toString();
        }
    }
    return names;
}

void IniDocument::forEachValue(const QString& section,
                               const std::function<void(QStringView key, QStringView value)>& visit) const {
    const Section* s = findSection(section);
    if (!s) return;
    for (const Line& line : s->lines)
        if (line.valueAt >= 0) visit(keyText(line), valueText(line));
}

std::optional<int> parseIniInteger(QStringView text) {
    bool hex = false;
    qsizetype i = 0;
    if (text.startsWith(QLatin1Char('$'))) {
        hex = true;
        i = 1;
    } else if (text.size() > 2 && text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        hex = true;
        i = 2;
    }
    if (hex) {
        if (i >= text.size()) return std::nullopt;
        quint64 value = 0;
        for (; i < text.size(); ++i) {
            const int digit = hexDigit(text[i].unicode());
            if (digit < 0) return std::nullopt;
            value = value * 16 + quint64(digit);
            if (value > 0xFFFFFFFFull) return std::nullopt;
        }
        return int(quint32(value));
    }
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    if (i >= text.size()) return std::nullopt;
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > 2147483648LL) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > 2147483647LL) return std::nullopt;
    return int(value);
}

}  // namespace rorovovo::profiles
