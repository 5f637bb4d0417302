#include "profiles/text_codec.h"

#include <QStringDecoder>

namespace rorovovo::profiles {

namespace {

constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

bool startsWithUtf8Bom(const QByteArray& bytes) { return bytes.startsWith("\xEF\xBB\xBF"); }

QString decodeWindows1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out[i] = (b >= 0x80 && b <= 0x9F) ? QChar(kWindows1252High[b - 0x80]) : QChar(b);
    }
    return text;
}

QString decodeUtf8OrWindows1252(const QByteArray& bytes) {
    const QByteArray body = startsWithUtf8Bom(bytes) ? bytes.mid(3) : bytes;
    // ConvertInitialBom: the mark was handled above; a second one is text.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8.decode(body);
    if (!utf8.hasError()) return text;
    return decodeWindows1252(body);
}

}  // namespace rorovovo::profiles
