#pragma once

#include "SectionedDetailScreen.h"
#include "UserMoneyModel.h"

#include <QStringList>

namespace Ui {
class QZBoughtDetailViewController;
}

// "产品详情" of a bought product: the contract's figures, its basic information that folds
// away, and the headers that lead to the contract, its special transactions, its income
// and the product's announcements.
class QZBoughtDetailViewController final : public SectionedDetailScreen
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QZBoughtDetailViewController)
    Q_PROPERTY(UserMoneyModel htModel READ htModel WRITE setHtModel)

public:
    explicit QZBoughtDetailViewController(QWidget *parent = nullptr);
    ~QZBoughtDetailViewController() override;

    UserMoneyModel htModel() const { return m_htModel; }
    void setHtModel(const UserMoneyModel &model) { m_htModel = model; }
    // Per section, "1" expanded or "0" collapsed.
    const QStringList &stateArray() const { return m_stateArray; }

private:
    void initUI() override;
    void initData() override;
    bool isExpanded(int section) const override;
    void prepareHeader(SectionHeaderButton *header, int section) override;
    void sectionTouched(int section);

    Ui::QZBoughtDetailViewController *m_ui;
    UserMoneyModel m_htModel;
    QStringList m_stateArray;
};
