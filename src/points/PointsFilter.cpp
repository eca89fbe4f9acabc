#include "PointsFilter.h"

#include "TextValue.h"

#include <algorithm>
#include <limits>

namespace PointsFilter {
namespace {

struct Range
{
    const char *title;
    qint64 low;
    qint64 high;
};

constexpr Range kRanges[] = {{"1-20", 1, 20},
                             {"20-50", 20, 50},
                             {"50-100", 50, 100},
                             {"100-1000", 100, 1000},
                             {"1000以上", 1000, std::numeric_limits<qint64>::max()}};

const QString kAnyTitle = QStringLiteral("不限");

void sortAsText(QList<ScoreModel> &gifts, QString ScoreModel::*field)
{
    std::stable_sort(gifts.begin(), gifts.end(), [field](const ScoreModel &a, const ScoreModel &b) {
        return QString::compare(a.*field, b.*field) < 0;
    });
}

} // namespace

QList<FilterButton> typeButtons(const QList<CommodityTypeModel> &categories)
{
    QList<FilterButton> buttons{{kAnyTitle, kAny}};
    for (const CommodityTypeModel &category : categories) {
        if (buttons.size() == kTypeButtons)
            break;
        buttons.append({category.category_name, category.id});
    }
    return buttons;
}

QList<FilterButton> pointButtons()
{
    QList<FilterButton> buttons{{kAnyTitle, kAny}};
    for (qint64 tag = 0; tag < qint64(std::size(kRanges)); ++tag)
        buttons.append({QString::fromUtf8(kRanges[tag].title), tag});
    return buttons;
}

QList<FilterButton> orderButtons()
{
    return {{QStringLiteral("按总量排序"), kAny},
            {QStringLiteral("按积分分值排序"), 0},
            {QStringLiteral("我可兑换的产品"), 1}};
}

QList<ScoreModel> selectProduct(QList<ScoreModel> catalogue, const QString &category,
                                const QString &pointButton, const QString &orderButton,
                                const QString &availableIntegral)
{
    if (category != QLatin1String("-1")) {
        catalogue.removeIf(
            [&category](const ScoreModel &gift) { return gift.category_id != category; });
    }
    for (int range = 0; range < int(std::size(kRanges)); ++range) {
        if (pointButton != QString::number(range))
            continue;
        const Range &kept = kRanges[range];
        catalogue.removeIf([&kept](const ScoreModel &gift) {
            const qint64 point = TextValue::integerValue(gift.point);
            return point < kept.low || point > kept.high;
        });
    }
    if (orderButton == QLatin1String("-1")) {
        sortAsText(catalogue, &ScoreModel::total_num);
    } else if (orderButton == QLatin1String("0")) {
        sortAsText(catalogue, &ScoreModel::point);
    } else if (orderButton == QLatin1String("1")) {
        const qint64 limit = TextValue::integerValue(availableIntegral);
        catalogue.removeIf([limit](const ScoreModel &gift) {
            return TextValue::integerValue(gift.point) > limit;
        });
    }
    return catalogue;
}

} // namespace PointsFilter
