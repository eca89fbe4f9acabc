#pragma once

#include "RootViewController.h"

// Stands in a tab slot whose screen has not been built yet: the slot's title over an
// empty page.
class PlaceholderViewController : public RootViewController
{
    Q_OBJECT

public:
    explicit PlaceholderViewController(const QString &title, QWidget *parent = nullptr);

protected:
    void initNav() override;

private:
    QString m_slotTitle;
};
