#include "Promotions.h"

#include "ModHelp.h"
#include "ui/LinkLabel.h"
#include "ui/Look.h"
#include "ui/Random.h"

short intCoBrandRandomNumber = 0;

QString boardPromotionText()
{
    return QStringLiteral(
        "Share your views on astrology, tarot and all things mystic on the Harrowfen board. "
        "Click here to visit www.harrowfen.com");
}

QString coBrandOfferText()
{
    return QStringLiteral(
               "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put "
               "your site's name &&  link here. See \"Help\" for details.Click Here for more info on "
               "co-branding.")
        .replace(QLatin1String("&&"), QLatin1String("&")); // a caption's "&&" reads as one "&"
}

QString fullBrandOfferText()
{
    return QStringLiteral(
        "Home Business Opportunity. Start your own Internet business and make money online. Get "
        "this software fully branded for your website. Click here for more details.");
}

// The same on both windows: each opens its page.
static void Label61_Click() { OpenHomePage(); }
static void lblCobrand_Click() { OpenCoBrandPage(); }
static void lblFullBrand_Click() { OpenFullBrandPage(); }

PromoLabels createPromoLabels(QWidget* topBand, QWidget* bottomBand, const PromoGeometry& geometry)
{
    auto* Label61 = new LinkLabel(topBand, "Label61", geometry.label61, boardPromotionText(), 9,
                                  Qt::AlignHCenter | Qt::AlignTop);
    auto* lblCobrand = new LinkLabel(bottomBand, "lblCobrand", geometry.cobrand, coBrandOfferText(), 8.25,
                                     geometry.offerAlignment | Qt::AlignTop);
    auto* lblFullBrand = new LinkLabel(bottomBand, "lblFullBrand", geometry.fullBrand, fullBrandOfferText(),
                                       8.25, geometry.offerAlignment | Qt::AlignTop);
    for (LinkLabel* offer : {lblCobrand, lblFullBrand})
        Look::setBackground(offer, Look::band); // opaque, unlike the other links
    lblCobrand->setReachable(false);            // behind the fully-branded offer
    QObject::connect(Label61, &LinkLabel::clicked, Label61_Click);
    QObject::connect(lblCobrand, &LinkLabel::clicked, lblCobrand_Click);
    QObject::connect(lblFullBrand, &LinkLabel::clicked, lblFullBrand_Click);
    return {Label61, lblCobrand, lblFullBrand};
}

short coBrandNumber(float r) { return static_cast<short>(static_cast<int>(r * 6) + 1); }

void CoBrand_Randomize(LinkLabel* lblCobrand, LinkLabel* lblFullBrand)
{
    intCoBrandRandomNumber = coBrandNumber(Rnd());
    const bool fullBrand = intCoBrandRandomNumber % 2 == 0;
    LinkLabel* front = fullBrand ? lblFullBrand : lblCobrand;
    LinkLabel* behind = fullBrand ? lblCobrand : lblFullBrand;
    front->raise();
    front->setReachable(true);
    behind->setReachable(false);
}
