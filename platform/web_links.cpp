#include "platform/web_links.h"

#include <optional>
#include <utility>

namespace rorovovo::platform {

namespace {

QString site() { return QStringLiteral("http://") + QLatin1String(web::kSiteHost); }

std::optional<std::pair<QUrl, QUrl>>& versionUrlOverride() {
    static std::optional<std::pair<QUrl, QUrl>> urls;
    return urls;
}

}  // namespace

QString newsUrl() {
    return QStringLiteral("http://") + QLatin1String(web::kBlogHost) + QStringLiteral("/?do=freeware");
}

QString donationUrl() { return site() + QStringLiteral("/software/donation.htm"); }

QString freewareUrl() { return site() + QStringLiteral("/software/freeware.shtml"); }

QString feedbackMailUrl() {
    return QStringLiteral("mailto:") + QLatin1String(web::kFeedbackAddress) + QStringLiteral("?subject=from '") +
           QLatin1String(web::kSiblingProduct) + QStringLiteral("' freeware...");
}

QString siteAddressText() { return QLatin1String(web::kSiteHost); }

QString feedbackAddressText() { return QLatin1String(web::kFeedbackAddress); }

QUrl primaryVersionUrl() {
    if (const auto& o = versionUrlOverride()) return o->first;
    return QUrl(site() + QStringLiteral("/software/soft/vitawave.xml"));
}

QUrl fallbackVersionUrl() {
    if (const auto& o = versionUrlOverride()) return o->second;
    return QUrl(QStringLiteral("https://") + QLatin1String(web::kListingHost) + QStringLiteral("/info/") +
                QLatin1String(web::kListingProgramId) + QStringLiteral("/Vitawave_pad.xml"));
}

void setVersionUrls(const QUrl& primary, const QUrl& fallback) { versionUrlOverride() = std::pair(primary, fallback); }

void resetVersionUrls() { versionUrlOverride().reset(); }

}  // namespace rorovovo::platform
