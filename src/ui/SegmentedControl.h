#pragma once

#include <QColor>
#include <QStringList>
#include <QWidget>

class QPushButton;

// A row of titles of which one is selected: drawn in the selected colour with a stripe
// underneath.
class SegmentedControl : public QWidget
{
    Q_OBJECT

public:
    explicit SegmentedControl(const QStringList &titles, QWidget *parent = nullptr);

    int selectedIndex() const { return m_selected; }
    void setSelectedIndex(int index);
    void setSelectedColor(const QColor &color);
    QStringList titles() const { return m_titles; }

signals:
    void selectedIndexChanged(int index);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void restyle();

    QStringList m_titles;
    QList<QPushButton *> m_buttons;
    QColor m_selectedColor;
    int m_selected = 0;
};
