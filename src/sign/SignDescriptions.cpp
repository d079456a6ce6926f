#include "ModPlanetSign.h"

namespace
{

struct SignDescription {
    const char* sign;
    const char* text;
};

// In the order the names are compared; the first exact match wins.
const SignDescription descriptions[] = {
    {"Aries",
     "You feel a sense of urgency to experience the heights and depths of your spiritual existence. "
     "You often assert your need for liberation in a forceful and ruthless way. You are keen to start "
     "a new life afresh and take initiatives for spiritual advancement."},
    {"Taurus", "You are not very good at adapting to changes and do so in a gradual way. You may suffer from "
               "some major illness."},
    {"Gemini", "Your journey will bring you in touch with the other world. This will take you into a "
               "completely different realm."},
    {"Cancer", "You will challenge people who break their promises. You will want to spiritually do good for "
               "people. You may not take blame for your actions and find fault with others."},
    {"Leo",
     "You will forever be in a fight for survival. You will be working to discover a map that can lead "
     "you to make new discoveries. You will need to leave the safety of your current reality and "
     "explore the unknown."},
    {"Virgo", "You may have made many promises. The time has come to fulfill your oaths. You will need to "
              "recompensate for all the promises that you have made."},
    {"Libra", ""},
    {"Scorpio", ""},
    {"Sagittarius", ""},
    {"Capricorn", ""},
    {"Aquarius", ""},
    {"Pisces",
     "This amplifies emotionalism to heighten its effect on the individual and the ways he expresses "
     "his ideas. You encourage the idea of spiritual transformation through spreading compassion and "
     "unconditional love for the entire humanity. On the negative side, you may resort to addiction "
     "to escape this mundane world."},
};

} // namespace

std::optional<QString> signDescription(const QString& signName)
{
    for (const SignDescription& row : descriptions)
        if (signName == QLatin1String(row.sign))
            return QString::fromLatin1(row.text);
    return std::nullopt;
}
