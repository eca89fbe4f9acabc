#pragma once

#include <QPushButton>

class QLabel;

// The white header of a detail section: the icon "ico_faq_d", the title and the line
// "line_real" along its bottom; an expandable section also shows its arrow.
class SectionHeaderButton final : public QPushButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SectionHeaderButton)

public:
    SectionHeaderButton(const QString &title, int height, QWidget *parent = nullptr);

    // "ico_listup" while expanded, "ico_listdown" while collapsed.
    void showArrow(bool expanded);

private:
    void resizeEvent(QResizeEvent *event) override;
    void placeChildren();

    QLabel *m_line;
    QLabel *m_arrow = nullptr;
};
