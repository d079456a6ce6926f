#include "ModTellAFriend.h"

#include "links/ModHelp.h"
#include "ui/MsgBox.h"

#include <QUrl>

namespace modTellAFriend
{

QString strName, strEmail, strMessage, strFriendName, strFriendEmail;
// The last address opened.
static QString strRequestAddress;

const char* const namePlaceholder = "Your Name";
const char* const emailPlaceholder = "Your Email Address";
const char* const messagePlaceholder = "Your Message";
const char* const friendNamePlaceholder = "Friend's Name";
const char* const friendEmailPlaceholder = "Friend's Email Address";

QString trimBlanks(const QString& text)
{
    qsizetype first = 0, last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

namespace
{

bool unfilled(const QString& field, const char* placeholder)
{
    const QString trimmed = trimBlanks(field);
    return trimmed.isEmpty() || trimmed == QLatin1String(placeholder);
}

QString component(const QString& value) { return QString::fromLatin1(QUrl::toPercentEncoding(value)); }

} // namespace

QString referralAddress(const QString& name, const QString& email, const QString& message,
                        const QString& friendName, const QString& friendEmail)
{
    return referAFriendPage() + QStringLiteral("?taf1=") + component(name) + QStringLiteral("&taf2=") +
           component(email) + QStringLiteral("&taf3=") + component(message) + QStringLiteral("&taf4=") +
           component(friendName) + QStringLiteral("&taf5=") + component(friendEmail) +
           QStringLiteral("&taf6=") + programHomeAddress();
}

void SubmitReferral()
{
    const struct {
        const QString& field;
        const char* placeholder;
        const char* refusal;
    } checks[] = {
        {strName, namePlaceholder, "Please Enter Your Name"},
        {strMessage, messagePlaceholder, "Please Enter Your Message"},
        {strFriendName, friendNamePlaceholder, "Please Enter Your Friend's Name"},
    };
    for (const auto& check : checks) {
        if (unfilled(check.field, check.placeholder)) {
            MsgBox(QString::fromLatin1(check.refusal), QMessageBox::Critical);
            return;
        }
    }
    const QString address = referralAddress(strName, strEmail, strMessage, strFriendName, strFriendEmail);
    // A longer address than this may not reach the browser: the launcher's command line
    // takes one argument of at most 128 KiB, and many web servers refuse long ones.
    constexpr qsizetype longestAddress = 32 * 1024;
    if (address.size() > longestAddress) {
        MsgBox(QStringLiteral("Please Shorten Your Message"), QMessageBox::Critical);
        return;
    }
    strRequestAddress = address;
    if (!OpenWebPage(strRequestAddress))
        MsgBox(QStringLiteral("The Refer A Friend Page Could Not Be Opened"), QMessageBox::Critical);
}

} // namespace modTellAFriend
