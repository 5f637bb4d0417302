#include "profiles/text_codec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace rorovovo::profiles {

namespace {

constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QStringConverter::Encoding converterFor(TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::Utf16LE:
            return QStringConverter::Utf16LE;
        case TextEncoding::Utf16BE:
            return QStringConverter::Utf16BE;
        case TextEncoding::PerLine:
            break;
    }
    return QStringConverter::Utf8;
}

char16_t unitAt(QByteArrayView bytes, qsizetype at, TextEncoding encoding) {
    const auto b = [&](qsizetype i) { return char16_t(static_cast<unsigned char>(bytes[i])); };
    switch (encoding) {
        case TextEncoding::Utf16LE:
            return char16_t(b(at) | b(at + 1) << 8);
        case TextEncoding::Utf16BE:
            return char16_t(b(at) << 8 | b(at + 1));
        case TextEncoding::PerLine:
            break;
    }
    return b(at);
}

}  // namespace

TextLayout detectLayout(QByteArrayView bytes) {
    if (bytes.startsWith("\xFF\xFE")) return {TextEncoding::Utf16LE, 2};
    if (bytes.startsWith("\xFE\xFF")) return {TextEncoding::Utf16BE, 2};
    if (bytes.startsWith("\xEF\xBB\xBF")) return {TextEncoding::PerLine, 3};
    return {};
}

QString decodeWindows1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out[i] = (b >= 0x80 && b <= 0x9F) ? QChar(kWindows1252High[b - 0x80]) : QChar(b);
    }
    return text;
}

QString decodeLine(QByteArrayView bytes, TextEncoding encoding) {
    // ConvertInitialBom: the file's mark is not part of any line, so a mark at the start of a line is text.
    QStringDecoder decoder(converterFor(encoding), QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (encoding == TextEncoding::PerLine && decoder.hasError()) return decodeWindows1252(bytes);
    return text;
}

QByteArray encodeLine(const QString& text, TextEncoding encoding) {
    QStringEncoder encoder(converterFor(encoding), QStringEncoder::Flag::Default);
    return encoder.encode(text);
}

std::vector<LineSpan> splitLines(QByteArrayView bytes, const TextLayout& layout) {
    std::vector<LineSpan> lines;
    const qsizetype unit = layout.unitSize();
    const qsizetype size = bytes.size();
    const qsizetype whole = layout.markLength + (size - layout.markLength) / unit * unit;
    qsizetype begin = layout.markLength;
    const auto finish = [&](qsizetype end, bool lineFeed) {
        qsizetype textEnd = lineFeed ? end - unit : end;
        // Every carriage return before the break belongs to the break. A stray last byte of a UTF-16 file
        // belongs to the text.
        if ((textEnd - begin) % unit == 0) {
            while (textEnd - begin >= unit && unitAt(bytes, textEnd - unit, layout.encoding) == u'\r') textEnd -= unit;
        }
        lines.push_back({begin, textEnd, end, lineFeed});
        begin = end;
    };
    if (unit == 1) {
        // Byte by byte the line feeds are found by the library's search, which a long file of profiles feels.
        for (qsizetype at; (at = bytes.indexOf('\n', begin)) >= 0;) finish(at + 1, true);
    } else {
        for (qsizetype at = begin; at < whole; at += unit) {
            if (unitAt(bytes, at, layout.encoding) == u'\n') finish(at + unit, true);
        }
    }
    if (begin < size) finish(size, false);
    return lines;
}

QString decodeText(const QByteArray& bytes) {
    const TextLayout layout = detectLayout(bytes);
    const QByteArrayView body = QByteArrayView(bytes).sliced(layout.markLength);
    if (layout.encoding != TextEncoding::PerLine) return decodeLine(body, layout.encoding);
    QStringDecoder whole(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    QString text = whole.decode(body);
    if (!whole.hasError()) return text;
    // A UTF-8 file with a few lines in the ANSI code page: only those lines are read as Windows-1252.
    text.clear();
    qsizetype begin = 0;
    while (begin < body.size()) {
        qsizetype end = body.indexOf('\n', begin);
        end = end < 0 ? body.size() : end + 1;
        text += decodeLine(body.sliced(begin, end - begin), TextEncoding::PerLine);
        begin = end;
    }
    return text;
}

}  // namespace rorovovo::profiles
