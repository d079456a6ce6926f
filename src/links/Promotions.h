#pragma once

#include <QRect>
#include <QString>
#include <tuple>

class LinkLabel;
class QWidget;

// The three promotional link labels that both main windows carry: the board promotion in
// the top band and the two offers, lying on each other, in the bottom band.
using PromoLabels =
    std::tuple<LinkLabel* /*Label61*/, LinkLabel* /*lblCobrand*/, LinkLabel* /*lblFullBrand*/>;

struct PromoGeometry {
    QRect label61, cobrand, fullBrand;
    Qt::Alignment offerAlignment;
};

// Creates the labels in their design order (the fully-branded offer in front) and wires
// their clicks to their pages.
PromoLabels createPromoLabels(QWidget* topBand, QWidget* bottomBand, const PromoGeometry& geometry);

QString boardPromotionText();
QString coBrandOfferText();
QString fullBrandOfferText();

// Drawn once per run by start-up: 1 to 6.
extern short intCoBrandRandomNumber;

// Draws which of the entry window's two offers is in front for the whole run.
void CoBrand_Randomize(LinkLabel* lblCobrand, LinkLabel* lblFullBrand);
// The rule from a draw 0 <= r < 1 to 1..6.
short coBrandNumber(float r);
