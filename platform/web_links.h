#pragma once

#include <QString>
#include <QUrl>

namespace rorovovo::platform {

// Every address the program sends the user to, in one place. The hosts lie under domains reserved for
// documentation until the program has its own, so nobody is ever sent to a stranger's site.
namespace web {
inline constexpr const char* kSiteHost = "quorvit.example.com";
inline constexpr const char* kBlogHost = "blog.quorvit.example.com";
inline constexpr const char* kListingHost = "pad.example.net";
inline constexpr const char* kListingProgramId = "rorovovo";
inline constexpr const char* kFeedbackAddress = "quorvit@example.com";
inline constexpr const char* kSiblingProduct = "Quorvit Notes";
}  // namespace web

QString newsUrl();
QString donationUrl();
QString freewareUrl();
QString feedbackMailUrl();

// The site and address as the About box shows them.
QString siteAddressText();
QString feedbackAddressText();

// Where the version check fetches the description of the current release. Tests point both at a local server.
QUrl primaryVersionUrl();
QUrl fallbackVersionUrl();
void setVersionUrls(const QUrl& primary, const QUrl& fallback);
void resetVersionUrls();

}  // namespace rorovovo::platform
