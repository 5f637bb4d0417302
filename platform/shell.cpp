#include "platform/shell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace rorovovo::platform {

namespace {

ShellHandler& handler() {
    static ShellHandler h;
    return h;
}

QUrl toUrl(const QString& fileOrUrl) {
    const QUrl url(fileOrUrl);
    // "C:/x" parses with scheme "c"; only schemes longer than a drive letter mark a URL.
    if (url.scheme().size() > 1) return url;
    return QUrl::fromLocalFile(fileOrUrl);
}

void openReal(const ShellCall& call) { QDesktopServices::openUrl(toUrl(call.target)); }

void dispatch(const ShellCall& call) {
    const ShellHandler& h = handler();
    if (h)
        h(call);
    else
        openReal(call);
}

std::function<bool()>& compiledHelpCheck() {
    static std::function<bool()> check;
    return check;
}

}  // namespace

void setCompiledHelpCheck(std::function<bool()> check) { compiledHelpCheck() = std::move(check); }

bool canShowCompiledHelp() {
    if (compiledHelpCheck()) return compiledHelpCheck()();
    if (handler()) return true;
    // The desktop's own registry of default programs answers for the help file's type.
    QProcess query;
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("application/vnd.ms-htmlhelp")});
    if (!query.waitForFinished(3000)) {
        query.kill();
        query.waitForFinished();
        return false;
    }
    return query.exitStatus() == QProcess::NormalExit && !query.readAllStandardOutput().trimmed().isEmpty();
}

void setShellHandler(ShellHandler h) { handler() = std::move(h); }

void resetShellHandler() { handler() = nullptr; }

void shellOpen(const QString& fileOrUrl) { dispatch({ShellCall::Open, fileOrUrl}); }

// There is no help viewer of our own; the desktop's program for .chm files shows the contents.
void htmlHelp(const QString& chmPath) { dispatch({ShellCall::HtmlHelp, chmPath}); }

}  // namespace rorovovo::platform
