#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// The 49-point bar at the bottom: four slots, each a glyph over its caption with the
// selected one in the brand colour, drawn at whatever width the phone has, and the round
// call button rising above the middle slot.
class TabbarView : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kHeight = 49;
    static constexpr int kCircleRise = 12;
    static constexpr int kCircleSide = 59;

    explicit TabbarView(QWidget *parent = nullptr);

    // Shows that slot (0, 1, 3 or 4) as the selected one.
    void selectSlot(int slot);
    int selectedSlot() const { return m_selected; }

    // The button of a slot, by the phone's tags 101–105 (103 is the call button).
    QPushButton *buttonWithTag(int tag) const;

signals:
    void slotTapped(int slot);
    void callTapped();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *m_circle;
    QList<QPushButton *> m_slotButtons; // tags 101, 102, 104, 105
    QPushButton *m_callButton;
    int m_selected = 0;
};
