#pragma once

#include "CommodityTypeModel.h"
#include "RootViewController.h"

#include <QPointer>

namespace Ui {
class QZTypeViewController;
}
class QPushButton;

// "类型选择": the gift category (from "170001"), the points range and the order of the
// points catalogue, one choice per group; "完成" hands the three to the delegate.
class QZTypeViewController final : public RootViewController
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QZTypeViewController)

public:
    explicit QZTypeViewController(QWidget *parent = nullptr);
    ~QZTypeViewController() override;

    // The points screen, or any object implementing backDelegate; it may go first.
    void setDelegate(QObject *delegate) { m_delegate = delegate; }
    const QList<CommodityTypeModel> &splxArray() const { return m_splxArray; }
    qint64 typeButtonIndex() const { return m_typeButtonIndex; }
    qint64 pointButtonIndex() const { return m_pointButtonIndex; }
    qint64 orderButtonIndex() const { return m_orderButtonIndex; }

    void LeftNavigationButtonClick() override;
    void RightNavigationButtonClick() override;

protected:
    void initNav() override;
    void initUI() override;
    void initData() override;

private:
    void showCategories();
    void choose(const QList<QPushButton *> &group, QPushButton *chosen, qint64 *index);

    Ui::QZTypeViewController *m_ui;
    QPointer<QObject> m_delegate;
    QList<CommodityTypeModel> m_splxArray;
    QList<QPushButton *> m_typeButtonArray;
    QList<QPushButton *> m_pointButtonArray;
    QList<QPushButton *> m_orderButtonArray;
    qint64 m_typeButtonIndex = -1;
    qint64 m_pointButtonIndex = -1;
    qint64 m_orderButtonIndex = -1;
};
