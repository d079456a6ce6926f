#include "ModHelp.h"

#include "Sites.h"

#include <QDesktopServices>
#include <QUrl>

namespace
{
QString address(const char* host, const char* path)
{
    return QStringLiteral("http://") + QLatin1String(host) + QLatin1String(path);
}
} // namespace

bool OpenWebPage(const QString& address)
{
    return QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

QString homePageAddress() { return address(Sites::mainSite, ""); }
QString programHomeAddress() { return address(Sites::programSite, "/"); }
QString referAFriendPage() { return address(Sites::mainSite, "/hfsuite-refer-a-friend.php"); }

void OpenOnlineHelpPage() { OpenWebPage(address(Sites::programSite, "/quorvex-help.html")); }
void OpenHomePage() { OpenWebPage(homePageAddress()); }
void OpenDonatePage() { OpenWebPage(address(Sites::helpSite, "/donate.html")); }
void OpenUpdatePage() { OpenWebPage(address(Sites::programSite, "/download-quorvex.html")); }
void OpenCoBrandPage() { OpenWebPage(address(Sites::helpSite, "/co-brand.html")); }
void OpenFullBrandPage() { OpenWebPage(address(Sites::helpSite, "/fully-branded.html")); }
void OpenSoftwaresPage() { OpenWebPage(address(Sites::mainSite, "/harrowfensoftwares")); }
