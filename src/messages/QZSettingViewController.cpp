#include "QZSettingViewController.h"

#include "ui_QZSettingViewController.h"

#include "AlertController.h"
#include "BaseNavigationViewController.h"
#include "Constant.h"
#include "FunctionCodes.h"
#include "NotificationCenter.h"
#include "QZSettingTableViewCell.h"
#include "SessionStore.h"

#include <QScrollBar>

namespace {
constexpr int kProfileSection = 0;
constexpr int kHeaderHeight = 15;
} // namespace

QZSettingViewController::QZSettingViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::QZSettingViewController), m_sexChange(this)
{
    m_ui->setupUi(this);
}

QZSettingViewController::~QZSettingViewController()
{
    delete m_ui;
}

void QZSettingViewController::initNav()
{
    setTitle(QStringLiteral("账户设置"));
    createLeftNavigationItem(QStringLiteral("return.png"), QString());
}

void QZSettingViewController::initUI()
{
    TableView *table = m_ui->tableView;
    table->setDataSource(this);
    table->setDelegate(this);
    table->setStyle(TableView::Style::Grouped);
    table->setSectionHeaderHeight(kHeaderHeight);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void QZSettingViewController::initData()
{
    // Nobody to ask about: the screen closes as it appears.
    if (!Constant::shareConstant()->IsLogin())
        return;
    sendRequest(FunctionCode::CustomerInfo,
                {{QStringLiteral("khbh"), SessionStore::currentCustomer().khbh}}, ParamsExt(),
                [this](const ResponseEnvelope &answer) {
                    const QList<KhxxModel> records = answer.recordsAs<KhxxModel>();
                    if (records.isEmpty())
                        return;
                    m_khxxArray.append(records);
                    m_detailArray = SettingRows::profileDetails(
                        SessionStore::myDic().value_or(QJsonObject()), records.first());
                    m_ui->tableView->reloadData();
                });
}

void QZSettingViewController::viewWillAppear(bool animated)
{
    RootViewController::viewWillAppear(animated);
    if (BaseNavigationViewController *nav = navigationController())
        nav->setNavigationBarHidden(false);
    m_ui->tableView->reloadData(); // the lock screen may have switched the gesture
    if (!Constant::shareConstant()->IsLogin()) {
        SessionStore::clearPassword();
        m_leaving = true;
    }
}

void QZSettingViewController::viewDidAppear(bool animated)
{
    RootViewController::viewDidAppear(animated);
    // Popped once the push has finished, so the stack is never changed in mid-transition.
    if (m_leaving && navigationController() && navigationController()->topViewController() == this)
        navigationController()->popViewControllerAnimated(true);
}

void QZSettingViewController::LeftNavigationButtonClick()
{
    goBack(Notification::Appearance);
}

QList<SettingRow> QZSettingViewController::rowsOf(int section) const
{
    if (section == kProfileSection)
        return SettingRows::profileSection(m_detailArray, m_changeSex);
    return SettingRows::securitySection(SessionStore::passwordIsExist());
}

int QZSettingViewController::numberOfSectionsInTableView(TableView *)
{
    return 2;
}

int QZSettingViewController::heightForFooterInSection(TableView *, int)
{
    return 0; // the sections stand apart by their headers only
}

int QZSettingViewController::numberOfRowsInSection(TableView *, int section)
{
    return int(rowsOf(section).size());
}

TableViewCell *QZSettingViewController::cellForRowAtIndexPath(TableView *tableView,
                                                              const IndexPath &indexPath)
{
    auto *cell = tableView->dequeueReusableCell<QZSettingTableViewCell>();
    const SettingRow row = rowsOf(indexPath.section).value(indexPath.row);
    cell->setRow(row);
    if (row.gestureSwitch != SettingRow::Switch::Hidden) {
        const bool on = row.gestureSwitch == SettingRow::Switch::On;
        cell->setSwitchAction([this, on]() { btnClick(on); });
    }
    return cell;
}

void QZSettingViewController::didSelectRowAtIndexPath(TableView *tableView,
                                                      const IndexPath &indexPath)
{
    tableView->deselectRowAtIndexPath(indexPath, true);
    switch (rowsOf(indexPath.section).value(indexPath.row).action) {
    case SettingRow::Action::PickSex:
        xzxb();
        break;
    case SettingRow::Action::ChangeEmail:
        pushScreenNamed(QStringLiteral("QZChangeEmailViewController"));
        break;
    case SettingRow::Action::ChangePhone:
        pushScreenNamed(QStringLiteral("ChangePhoneViewController"));
        break;
    case SettingRow::Action::ChangePassword:
        pushScreenNamed(QStringLiteral("QZChangePasswordViewController"));
        break;
    case SettingRow::Action::VerifyGesture:
        openGestureLock(SettingRows::kGestureLoginType);
        break;
    case SettingRow::Action::None:
        break;
    }
}

void QZSettingViewController::btnClick(bool switchOn)
{
    openGestureLock(SettingRows::gestureTypeForSwitch(switchOn));
}

void QZSettingViewController::openGestureLock(uint type)
{
    pushScreenNamed(
        QStringLiteral("KVGestureViewController"),
        {{QStringLiteral("gesturePasswordType"), int(type)}, {QStringLiteral("IsLogin"), false}});
}

void QZSettingViewController::xzxb()
{
    // Every field "166012" sends back comes from the profile: without it nothing is sent.
    if (m_khxxArray.isEmpty()) {
        createUIAlertControllerWithNSString(
            QStringLiteral("未能获取您的个人信息，暂时无法修改性别"));
        return;
    }
    auto *sheet = new AlertController(this, QStringLiteral("请选择性别"), QString(),
                                      AlertController::Style::ActionSheet);
    sheet->addAction(QStringLiteral("男"), AlertController::ActionStyle::Default,
                     [this]() { chaangSex(SettingRows::PickedSex::Male); });
    sheet->addAction(QStringLiteral("女"), AlertController::ActionStyle::Default,
                     [this]() { chaangSex(SettingRows::PickedSex::Female); });
    sheet->addAction(QStringLiteral("取消"), AlertController::ActionStyle::Cancel,
                     [this]() { m_ui->tableView->reloadData(); });
    sheet->open();
}

void QZSettingViewController::chaangSex(SettingRows::PickedSex picked)
{
    m_changeSex = picked;
    const QJsonObject params = SettingRows::changeSexParams(SessionStore::currentCustomer().khbh,
                                                            m_khxxArray.first(), picked);
    if (m_sexChange.send(
            FunctionCode::ChangeSex, params,
            [](const ServerChange::Reply &reply, const ResponseEnvelope &answer) {
                if (auto *screen = reply.screen<QZSettingViewController>())
                    screen->finishLoadingView();
                if (!answer.succeeded()) {
                    reply.showAlert(OnFailure::refusal(answer.prompt()));
                    return;
                }
                reply.showToast(QStringLiteral("性别修改成功"), 0.5);
            },
            OnFailure{.then = [this]() { finishLoadingView(); }}))
        initLoadingView();
    // The row shows the pick at once; a refusal does not take it back.
    m_ui->tableView->reloadData();
}
