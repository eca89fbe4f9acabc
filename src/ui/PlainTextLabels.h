#pragma once

#include <QObject>

// Makes every label that was left to guess its text format show plain text. Labels carry
// names, prompts and titles from the server, and a label guessing "rich text" would render
// HTML from the server and load its pictures, local files included. A label that means to
// show rich text says so (setTextFormat(Qt::RichText)) and is left alone.
class PlainTextLabels final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PlainTextLabels)

public:
    // Watches the whole application from now on; once is enough.
    static void install();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
};
