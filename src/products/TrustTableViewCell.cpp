#include "TrustTableViewCell.h"

#include "ProductTexts.h"

const QString TrustTableViewCell::kReuseIdentifier = QStringLiteral("TrustTableViewCell");

TrustTableViewCell::TrustTableViewCell()
    : ProductCardCell(kReuseIdentifier, QStringLiteral("最新净值"))
{
}

void TrustTableViewCell::setTrust(const TrustProductModel &trust)
{
    // The hot-sale badge stays in its place unless the trust is marked "2".
    const bool badge = trust.w_sfrx != QLatin1String("2");
    setCard(badge ? QStringLiteral("rexiao") : QString(), trust.w_cpmc, trust.zxjz,
            ProductTexts::trustListStartAmount(trust.w_qdje), trust.w_xtqx);
}
