#pragma once

#include <QString>
#include <functional>

namespace rorovovo::platform {

// Everything the program hands to outside programs goes through here, so tests can see what was opened.
struct ShellCall {
    enum Kind { Open, HtmlHelp } kind;
    QString target;
};
using ShellHandler = std::function<void(const ShellCall&)>;
void setShellHandler(ShellHandler handler);
void resetShellHandler();

// Opens a file (full path), web page or mail link with the desktop's default program.
// Never waits for it; whether it could be opened is not reported.
void shellOpen(const QString& fileOrUrl);

// Opens the compiled help file at its table of contents, with whatever program the desktop has for it.
void htmlHelp(const QString& chmPath);

// Whether the desktop has a program for compiled help files. Where tests record the shell's calls, it has;
// a test can give its own answer (an empty function puts the real question back).
bool canShowCompiledHelp();
void setCompiledHelpCheck(std::function<bool()> check);

}  // namespace rorovovo::platform
