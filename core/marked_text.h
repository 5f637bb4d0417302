#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The texts the windows and the command line show stay English literals in the libraries, marked for the translation
// files (lupdate knows the marker by its name). The same definition as the toolkit's, so either may come first.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace rorovovo::core {

// How a library without Qt puts a marked text into the language the program speaks: the program sets the lookup
// when it installs a translation (platform::installTranslators); until then every text is its own English.
using TextLookup = std::string (*)(const char* context, const char* text);
inline TextLookup& textLookup() {
    static TextLookup lookup = nullptr;
    return lookup;
}
inline std::string translatedText(const char* context, const char* text) {
    return textLookup() ? textLookup()(context, text) : std::string(text);
}

// The text with its "%1" to "%9" replaced by the argument of that number, in one pass, so an argument that holds
// "%2" stays as it is.
inline std::string filled(std::string_view text, std::initializer_list<std::string_view> args) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t n = i + 1 < text.size() ? std::size_t(text[i + 1] - '1') : args.size();
        if (text[i] == '%' && n < args.size()) {
            out += args.begin()[n];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace rorovovo::core
