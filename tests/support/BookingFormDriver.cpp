#include "BookingFormDriver.h"

#include "AlertController.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace BookingFormDriver {

AlertController *open(QWidget *window, QWidget *detail)
{
    QTest::mouseClick(detail->findChild<QPushButton *>("yuyueButton"), Qt::LeftButton);
    AlertController *form = AlertController::frontMost(window);
    if (!form || form->title() != QStringLiteral("请填写预约信息") ||
        form->textFields().size() != 2)
        return nullptr;
    return form;
}

void fill(AlertController *form, const QString &amount, const QString &phone)
{
    QLineEdit *amountField = form->textFields().at(0);
    QLineEdit *phoneField = form->textFields().at(1);
    amountField->setFocus();
    QTest::keyClicks(amountField, amount);
    phoneField->setFocus();
    QTest::keyClicks(phoneField, phone);
}

} // namespace BookingFormDriver
