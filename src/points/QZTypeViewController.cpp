#include "QZTypeViewController.h"

#include "ui_QZTypeViewController.h"

#include "FunctionCodes.h"
#include "NavigationItem.h"
#include "PointsFilter.h"
#include "backDelegate.h"

#include <QStyle>

namespace {

const char *const kTag = "tag";

void setButtons(const QList<QPushButton *> &buttons,
                const QList<PointsFilter::FilterButton> &choices)
{
    for (int i = 0; i < buttons.size(); ++i) {
        QPushButton *button = buttons.at(i);
        const bool offered = i < choices.size();
        button->setVisible(offered);
        if (!offered)
            continue;
        button->setText(choices.at(i).title);
        button->setAccessibleName(choices.at(i).title);
        button->setProperty(kTag, choices.at(i).tag);
    }
}

} // namespace

QZTypeViewController::QZTypeViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::QZTypeViewController)
{
    m_ui->setupUi(this);
    m_typeButtonArray = {m_ui->type1Button, m_ui->type2Button, m_ui->type3Button,
                         m_ui->type4Button, m_ui->type5Button, m_ui->type6Button};
    m_pointButtonArray = {m_ui->point1Button, m_ui->point2Button, m_ui->point3Button,
                          m_ui->point4Button, m_ui->point5Button, m_ui->point6Button};
    m_orderButtonArray = {m_ui->order1Button, m_ui->order2Button, m_ui->order3Button};
    const std::pair<QList<QPushButton *> *, qint64 *> groups[] = {
        {&m_typeButtonArray, &m_typeButtonIndex},
        {&m_pointButtonArray, &m_pointButtonIndex},
        {&m_orderButtonArray, &m_orderButtonIndex}};
    for (const auto &[group, index] : groups) {
        for (QPushButton *button : std::as_const(*group)) {
            connect(button, &QPushButton::clicked, this,
                    [this, group, button, index]() { choose(*group, button, index); });
        }
    }
}

QZTypeViewController::~QZTypeViewController()
{
    delete m_ui;
}

void QZTypeViewController::initNav()
{
    setTitle(QStringLiteral("类型选择"));
    createLeftNavigationItem(QStringLiteral("return.png"), QString());
    creatRightNavigationItem(QString(), QStringLiteral("完成"));
    if (QWidget *done = navigationItem()->rightWidget()) {
        done->setStyleSheet(QStringLiteral("QPushButton { border: none; background: transparent;"
                                           " color: white; font-size: 14px; font-weight: bold;"
                                           " padding-right: 10px; text-align: right; }"));
        done->setAccessibleName(QStringLiteral("完成"));
    }
}

void QZTypeViewController::initUI()
{
    m_typeButtonIndex = m_pointButtonIndex = m_orderButtonIndex = PointsFilter::kAny;
    setButtons(m_pointButtonArray, PointsFilter::pointButtons());
    setButtons(m_orderButtonArray, PointsFilter::orderButtons());
    showCategories();
    choose(m_pointButtonArray, m_pointButtonArray.first(), &m_pointButtonIndex);
    choose(m_orderButtonArray, m_orderButtonArray.first(), &m_orderButtonIndex);
    choose(m_typeButtonArray, m_typeButtonArray.first(), &m_typeButtonIndex);
}

void QZTypeViewController::initData()
{
    m_splxArray.clear();
    sendRequest(FunctionCode::GiftCategories, {}, {}, [this](const ResponseEnvelope &answer) {
        m_splxArray.append(answer.recordsAs<CommodityTypeModel>());
        showCategories();
    });
}

void QZTypeViewController::showCategories()
{
    setButtons(m_typeButtonArray, PointsFilter::typeButtons(m_splxArray));
}

void QZTypeViewController::choose(const QList<QPushButton *> &group, QPushButton *chosen,
                                  qint64 *index)
{
    for (QPushButton *button : group) {
        button->setProperty("chosen", button == chosen);
        // The style sheet paints by "chosen"; re-polish so it does.
        button->style()->unpolish(button);
        button->style()->polish(button);
    }
    *index = chosen->property(kTag).toLongLong();
}

void QZTypeViewController::LeftNavigationButtonClick()
{
    goBack();
}

void QZTypeViewController::RightNavigationButtonClick()
{
    if (auto *delegate = qobject_cast<backDelegate *>(m_delegate.data()))
        delegate->getNSIntegerDelegate(m_typeButtonIndex, m_pointButtonIndex, m_orderButtonIndex);
    goBack();
}
