#include "ProductService.h"

#include "DatasetBuilder.h"
#include "DemoRules.h"
#include "RecordQuery.h"
#include "Validation.h"

namespace {
const QString kProducts = QStringLiteral("products");
const QString kBookings = QStringLiteral("bookings");
const QString kCustomers = QStringLiteral("customers");

// Bookings being processed come first in the booking records, then the settled ones.
QString bookingSortKey(const QString &state)
{
    if (state == QLatin1String("2"))
        return QStringLiteral("1");
    if (state == QLatin1String("3"))
        return QStringLiteral("2");
    return QStringLiteral("3");
}

bool bookable(const DemoStore::Record &product)
{
    const QString sale = product.value(QStringLiteral("w_xszt")).toString();
    const QString plan = product.value(QStringLiteral("w_zt")).toString();
    return (sale == QLatin1String("1") || sale == QLatin1String("2")) &&
           (plan == QLatin1String("0") || plan == QLatin1String("1"));
}
} // namespace

void ProductService::registerWith(FunctionRegistry &registry)
{
    registry.add(QStringLiteral("164000"), [this](const GatewayCall &c) { return products(c); });
    registry.add(QStringLiteral("164021"), [this](const GatewayCall &c) { return products(c); });
    registry.add(QStringLiteral("164012"), [this](const GatewayCall &c) { return netValues(c); });
    registry.add(QStringLiteral("164014"),
                 [this](const GatewayCall &c) { return announcements(c); });
    registry.add(QStringLiteral("164002"), [this](const GatewayCall &c) { return carousel(c); });
    registry.add(QStringLiteral("167002"), [this](const GatewayCall &c) { return splash(c); });
    registry.add(QStringLiteral("166002"), [this](const GatewayCall &c) { return bookings(c); });
    registry.add(QStringLiteral("166003"),
                 [this](const GatewayCall &c) { return changeBooking(c); });
}

GatewayReply ProductService::products(const GatewayCall &call) const
{
    // Later pages of the securities list come without "orderby": the default keeps the pages
    // consistent with the first one.
    const QJsonArray records = RecordQuery()
                                   .filter(QStringLiteral("w_cpdm"))
                                   .filter(QStringLiteral("w_cplx"))
                                   .filter(QStringLiteral("w_sfxs"))
                                   .filter(QStringLiteral("w_zt"))
                                   .filter(QStringLiteral("w_xszt"))
                                   .filter(QStringLiteral("w_sfrx"))
                                   .defaultOrder(QStringLiteral("w_sfrx"), true)
                                   .run(m_store.table(kProducts), call);
    return GatewayReply::ok(records, QStringLiteral("查询成功"));
}

GatewayReply ProductService::netValues(const GatewayCall &call) const
{
    if (call.param(QStringLiteral("w_cpdm")).isEmpty())
        return GatewayReply::refuse(QStringLiteral("请指定产品代码"));
    const QJsonArray records = RecordQuery()
                                   .filter(QStringLiteral("w_cpdm"))
                                   .filter(QStringLiteral("start_date"),
                                           RecordQuery::Match::FromDate, QStringLiteral("w_jzrq"))
                                   .filter(QStringLiteral("end_date"),
                                           RecordQuery::Match::UntilDate, QStringLiteral("w_jzrq"))
                                   .defaultOrder(QStringLiteral("w_jzrq"), true)
                                   .numberRows(QStringLiteral("rn"))
                                   .run(m_store.table(QStringLiteral("net_values")), call);
    const DemoStore::Record product =
        m_store.find(kProducts, QStringLiteral("w_cpdm"), call.param(QStringLiteral("w_cpdm")));
    QJsonArray served;
    for (const QJsonValue &value : records)
        served.append(DatasetBuilder::servedNetValue(value.toObject(), product));
    return GatewayReply::ok(served, QStringLiteral("查询成功"));
}

GatewayReply ProductService::announcements(const GatewayCall &call) const
{
    // notice_level is the reader's level: the public sees level 1, signed-in customers up to 2,
    // holders of the product up to 3.
    const QJsonArray records =
        RecordQuery()
            .filter(QStringLiteral("prod_code"))
            .filter(QStringLiteral("is_display"))
            .filter(QStringLiteral("status"))
            .filter(QStringLiteral("notice_level"), RecordQuery::Match::AtMost)
            .filter(QStringLiteral("id"))
            .defaultOrder(QStringLiteral("create_time"), false)
            .run(m_store.table(QStringLiteral("announcements")), call);
    return GatewayReply::ok(records, QStringLiteral("查询成功"));
}

GatewayReply ProductService::carousel(const GatewayCall &call) const
{
    const QJsonArray records = RecordQuery()
                                   .filter(QStringLiteral("system_type"))
                                   .filter(QStringLiteral("is_enabled"))
                                   .filter(QStringLiteral("ad_type"))
                                   .run(m_store.table(QStringLiteral("carousel")), call);
    return GatewayReply::ok(records, QStringLiteral("查询成功"));
}

GatewayReply ProductService::splash(const GatewayCall &call) const
{
    const QJsonArray records = RecordQuery()
                                   .filter(QStringLiteral("is_display"))
                                   .defaultOrder(QStringLiteral("sort_num"), true)
                                   .run(m_store.table(QStringLiteral("splash")), call);
    return GatewayReply::ok(records, QStringLiteral("查询成功"));
}

DemoStore::Record ProductService::bookingView(const DemoStore::Record &booking) const
{
    DemoStore::Record view = booking;
    const DemoStore::Record customer = m_store.find(
        kCustomers, QStringLiteral("khbh"), booking.value(QStringLiteral("khbh")).toString());
    for (const char *field : {"khxm", "sjhm", "zjhm"})
        view.insert(QLatin1String(field), customer.value(QLatin1String(field)).toString());
    const DemoStore::Record product = m_store.find(
        kProducts, QStringLiteral("w_cpdm"), booking.value(QStringLiteral("cpdm")).toString());
    for (const char *field : {"w_cpmc", "w_xtgm", "w_xtqx", "w_yqnhsyl"})
        view.insert(QLatin1String(field), product.value(QLatin1String(field)).toString());
    const QString time = booking.value(QStringLiteral("yysj")).toString();
    view.insert(QStringLiteral("yysj_ss"), QString(time.left(10)).remove(QLatin1Char('-')));
    view.insert(QStringLiteral("yyzt_sort"),
                bookingSortKey(booking.value(QStringLiteral("yyzt")).toString()));
    return view;
}

GatewayReply ProductService::bookings(const GatewayCall &call) const
{
    if (call.param(QStringLiteral("khbh")).isEmpty())
        return GatewayReply::ok({}, QStringLiteral("请先登录"));
    DemoStore::Table views;
    for (const DemoStore::Record &b : m_store.table(kBookings))
        views.append(bookingView(b));
    const QJsonArray records = RecordQuery()
                                   .filter(QStringLiteral("khbh"))
                                   .filter(QStringLiteral("cpdm"))
                                   .filter(QStringLiteral("yyzt"))
                                   .filter(QStringLiteral("id"))
                                   .defaultOrder(QStringLiteral("yysj"), false)
                                   .run(views, call);
    return GatewayReply::ok(records, QStringLiteral("查询成功"));
}

GatewayReply ProductService::changeBooking(const GatewayCall &call)
{
    const QString action = call.param(QStringLiteral("action"));
    if (action == QLatin1String("A"))
        return addBooking(call);
    if (action == QLatin1String("D"))
        return deleteBooking(call);
    return GatewayReply::refuse(QStringLiteral("不支持的操作：%1").arg(action));
}

GatewayReply ProductService::addBooking(const GatewayCall &call)
{
    const QString khbh = call.param(QStringLiteral("khbh"));
    if (m_store.customerIndex(khbh) < 0)
        return GatewayReply::refuse(QStringLiteral("客户不存在，请重新登录"));
    const QString code = call.param(QStringLiteral("cpdm"));
    const DemoStore::Record product = m_store.find(kProducts, QStringLiteral("w_cpdm"), code);
    if (code.isEmpty() || product.isEmpty())
        return GatewayReply::refuse(QStringLiteral("产品不存在"));
    if (!bookable(product))
        return GatewayReply::refuse(QStringLiteral("该产品当前不接受预约"));
    bool numeric = false;
    const double amount = call.param(QStringLiteral("yyje")).toDouble(&numeric);
    if (!numeric || !DemoRules::isValidAmount(amount))
        return GatewayReply::refuse(QStringLiteral("请填写正确的预约金额"));
    // The booking form asks for a mobile number, with the client's own rule.
    const QString phone = call.param(QStringLiteral("yydh")).trimmed();
    if (!Validation::validatePhone(phone))
        return GatewayReply::refuse(QStringLiteral("请填写正确的预约电话"));
    const bool pending = m_store.indexOf(kBookings, [&](const DemoStore::Record &b) {
        return b.value(QStringLiteral("khbh")).toString() == khbh &&
               b.value(QStringLiteral("cpdm")).toString() == code &&
               b.value(QStringLiteral("yyzt")).toString() == QLatin1String("2");
    }) >= 0;
    if (pending)
        return GatewayReply::refuse(QStringLiteral("您已预约该产品，客户经理会尽快与您联系"));

    DemoStore::Record booking{{"id", m_store.nextId(kBookings)},
                              {"khbh", khbh},
                              {"cpdm", code},
                              {"yyje", call.param(QStringLiteral("yyje"))},
                              {"yydh", phone},
                              {"yysj", DemoRules::now()},
                              {"yyzt", QStringLiteral("2")},
                              {"back_content", call.param(QStringLiteral("back_content"))},
                              {"system_type", call.param(QStringLiteral("system_type"))}};
    m_store.table(kBookings).append(booking);
    m_store.markChanged();
    return GatewayReply::ok({RecordQuery::published(bookingView(booking))},
                            QStringLiteral("预约成功"));
}

GatewayReply ProductService::deleteBooking(const GatewayCall &call)
{
    const QString id = call.param(QStringLiteral("id"));
    const QString khbh = call.param(QStringLiteral("khbh"));
    const qsizetype index = m_store.indexOf(kBookings, [&](const DemoStore::Record &b) {
        return !id.isEmpty() && b.value(QStringLiteral("id")).toString() == id &&
               b.value(QStringLiteral("khbh")).toString() == khbh;
    });
    if (index < 0)
        return GatewayReply::refuse(QStringLiteral("预约记录不存在"));
    if (m_store.table(kBookings).at(index).value(QStringLiteral("yyzt")).toString() !=
        QLatin1String("2"))
        return GatewayReply::refuse(QStringLiteral("该预约已处理，不能删除"));
    m_store.table(kBookings).removeAt(index);
    m_store.markChanged();
    return GatewayReply::ok({}, QStringLiteral("预约产品删除成功"));
}
