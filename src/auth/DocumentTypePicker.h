#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QAbstractButton;
class QLabel;
class RootViewController;

// The document-type row of the sign-in, registration and recovery forms: tapping it opens
// the sheet "请选择证件类型" with the nine types; picking one shows it and remembers it,
// cancelling changes nothing.
class DocumentTypePicker final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DocumentTypePicker)

public:
    DocumentTypePicker(RootViewController *screen, QAbstractButton *row, QLabel *label);

    // Shows that type with none picked yet.
    void show(const QString &typeName);
    void pick();
    QString typeName() const;
    // The index among the nine types: the one picked, or the label's position.
    int typeIndex() const;

private:
    void setPicked(bool picked);

    QPointer<RootViewController> m_screen;
    QLabel *m_label;
    int m_pickedIndex = -1;
};
