#pragma once

#include <QLabel>

// A picture that fills its whole area keeping its proportions: what does not fit is cut
// off evenly at the edges, never stretched.
class CoverImageLabel final : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CoverImageLabel)

public:
    explicit CoverImageLabel(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
