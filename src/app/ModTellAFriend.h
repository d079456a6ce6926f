#pragma once

#include <QString>

// The refer-a-friend request: the exit screen's form fills these fields with the trimmed
// texts of its boxes, and SubmitReferral checks them and opens the request page with them.
namespace modTellAFriend
{

extern QString strName;
extern QString strEmail;
extern QString strMessage;
extern QString strFriendName;
extern QString strFriendEmail;

// The boxes' placeholders.
extern const char* const namePlaceholder;
extern const char* const emailPlaceholder;
extern const char* const messagePlaceholder;
extern const char* const friendNamePlaceholder;
extern const char* const friendEmailPlaceholder;

// Blanks (code 32 only) removed at both ends; tabs and line breaks stay.
QString trimBlanks(const QString& text);

// Refuses a name, message or friend's name that is empty or its placeholder, with one
// message; otherwise opens the request address.
void SubmitReferral();

// The request page with the five values, each percent-encoded as a query component, and
// the program's home page as "taf6".
QString referralAddress(const QString& name, const QString& email, const QString& message,
                        const QString& friendName, const QString& friendEmail);

} // namespace modTellAFriend
