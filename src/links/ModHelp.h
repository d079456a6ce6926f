#pragma once

#include <QString>

// Opening the maker's web pages in the user's default browser.

// Hands the address to the desktop's browser as Qt's tolerant parsing reads it, which
// encodes what a URL cannot hold as it stands (a blank, say). Never waits and shows
// nothing: no browser, no network or a failing launcher all end silently. False when the
// launcher could not be started.
bool OpenWebPage(const QString& address);

// The fixed pages, one opener each.
void OpenOnlineHelpPage();
void OpenHomePage();
void OpenDonatePage();
void OpenUpdatePage();
void OpenCoBrandPage();
void OpenFullBrandPage();
void OpenSoftwaresPage();

// Addresses shown to the user or built on by the program.
QString homePageAddress();    // the maker's home page, host alone
QString programHomeAddress(); // the root of this program's pages, ending in "/"
QString referAFriendPage();   // the refer-a-friend page, without a query
