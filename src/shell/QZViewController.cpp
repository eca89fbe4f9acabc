#include "QZViewController.h"

#include "ui_QZViewController.h"

#include "BaseNavigationViewController.h"
#include "NotificationCenter.h"
#include "QZHelpTableViewCell.h"
#include "QZHelpViewController.h"
#include "ResourceText.h"
#include "Telephone.h"
#include "UiImage.h"

#include <QLabel>
#include <QPushButton>

namespace {

struct HelpEntry
{
    const char *question;
    const char *answerResource;
};

constexpr HelpEntry kEntries[] = {
    {"怎么注册？", "register"},          {"怎么登录？", "login"},
    {"忘记密码怎么办？", "forgotPsw"},   {"密码被锁定怎么办？", "lockedPsw"},
    {"怎么修改登录密码？", "modifyPsw"}, {"什么是手势密码", "gesturePsw"},
    {"怎样退出登录？", "logout"},
};

} // namespace

QZViewController::QZViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::QZViewController)
{
    m_ui->setupUi(this);
}

QZViewController::~QZViewController()
{
    delete m_ui;
}

void QZViewController::initNav()
{
    setTitle(QStringLiteral("帮助中心"));
    createLeftNavigationItem(QStringLiteral("return.png"), QString());
}

void QZViewController::initUI()
{
    m_ui->tableView->setDataSource(this);
    m_ui->tableView->setDelegate(this);
    m_ui->tableView->setRowHeight(44);
    m_ui->tableView->reloadData();
    m_ui->phoneButton->setIcon(UiImage::named(QStringLiteral("call(42)")));
    connect(m_ui->phoneButton, &QPushButton::clicked, this,
            [this]() { Telephone::callHotline(this); });
}

void QZViewController::LeftNavigationButtonClick()
{
    goBack(Notification::Appearance);
}

int QZViewController::numberOfRowsInSection(TableView *, int)
{
    return int(std::size(kEntries));
}

TableViewCell *QZViewController::cellForRowAtIndexPath(TableView *tableView,
                                                       const IndexPath &indexPath)
{
    auto *cell = tableView->dequeueReusableCell<QZHelpTableViewCell>();
    cell->nameLabel()->setText(QString::fromUtf8(kEntries[indexPath.row].question));
    cell->nextButton()->disconnect(this);
    const int row = indexPath.row;
    connect(cell->nextButton(), &QPushButton::clicked, this, [this, row]() { openAnswer(row); });
    return cell;
}

void QZViewController::didSelectRowAtIndexPath(TableView *tableView, const IndexPath &indexPath)
{
    tableView->deselectRowAtIndexPath(indexPath, true);
    openAnswer(indexPath.row);
}

void QZViewController::openAnswer(int row)
{
    auto *answer = new QZHelpViewController;
    answer->setString(QString::fromUtf8(kEntries[row].question));
    answer->setDetailString(ResourceText::html(QString::fromLatin1(kEntries[row].answerResource)));
    navigationController()->pushViewController(answer, true);
}
