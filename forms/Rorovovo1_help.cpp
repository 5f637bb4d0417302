// The main window's help menu: help file, web pages, the About box and the check for a newer version.
#include <QUrl>

#include "forms/QuorvitAbout.h"
#include "forms/Rorovovo1.h"
#include "platform/app_info.h"
#include "platform/file_version.h"
#include "platform/help.h"
#include "platform/paths.h"
#include "platform/shell.h"
#include "platform/version_check.h"
#include "platform/web_links.h"

namespace rorovovo::forms {

void TForm1::MenuHelpHelpClick() {
    const platform::ProgramFiles files = platform::programFiles();
    platform::showHelp(files.helpFile, files.guideFile);
}

void TForm1::MenuHelpNewsClick() { platform::shellOpen(platform::newsUrl()); }

void TForm1::MenuHelpDonationsClick() { platform::shellOpen(platform::donationUrl()); }

void TForm1::MenuHelpAboutClick() { aboutBox()->exec(); }

TFormAbout* TForm1::aboutBox() {
    if (!FormAbout) FormAbout = new TFormAbout(this);
    return FormAbout;
}

// A version that does not convert ends this handler with the error box, as any handler's failure does.
void TForm1::MenuHelpNewVersionsClick() {
    platform::VersionCheck check;
    check.primaryUrl = platform::primaryVersionUrl();
    check.fallbackUrl = platform::fallbackVersionUrl();
    check.localPath = platform::programFiles().versionFile;
    check.runningVersion = platform::getFileVersion(platform::executablePath());
    platform::checkForNewVersion(check);
}

}  // namespace rorovovo::forms
