#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace rorovovo::core {

// The libraries below the windows hold their texts as UTF-8; the windows show them as QString.
inline QString qstr(std::string_view utf8Text) {
    return QString::fromUtf8(utf8Text.data(), static_cast<qsizetype>(utf8Text.size()));
}
inline std::string utf8(const QString& text) { return text.toStdString(); }

}  // namespace rorovovo::core
