#pragma once

#include <QCoreApplication>
#include <QString>
#include <string>
#include <string_view>

namespace rorovovo::core {

// The libraries below the windows hold their texts as UTF-8; the windows show them as QString.
inline QString qstr(std::string_view utf8Text) {
    return QString::fromUtf8(utf8Text.data(), static_cast<qsizetype>(utf8Text.size()));
}
inline std::string utf8(const QString& text) { return text.toStdString(); }

// English has no translation file: a text such as tr("%n day(s)", nullptr, n) or tr("%n (person|people)", nullptr, n)
// that no translation took still reads "1 day", "2 days", "1 person", "2 people".
inline QString englishPlural(QString text, int n) {
    text.replace(QLatin1String("(s)"), n == 1 ? QString() : QStringLiteral("s"));
    const qsizetype open = text.indexOf(QLatin1Char('(')), bar = text.indexOf(QLatin1Char('|'), open + 1),
                    close = text.indexOf(QLatin1Char(')'), bar + 1);
    if (open < 0 || bar < 0 || close < 0) return text;
    const QString word = n == 1 ? text.mid(open + 1, bar - open - 1) : text.mid(bar + 1, close - bar - 1);
    return text.replace(open, close - open + 1, word);
}

// A text the libraries below marked with QT_TRANSLATE_NOOP(context, text), in the language the program speaks.
inline QString translated(const char* context, std::string_view marked) {
    return QCoreApplication::translate(context, std::string(marked).c_str());
}

}  // namespace rorovovo::core
