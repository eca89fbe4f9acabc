#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

class QLabel;

// A row of a TableView. Custom cells subclass it and lay themselves out from a .ui file;
// the built-in styles give the common title / detail rows.
class TableViewCell : public QWidget
{
    Q_OBJECT

public:
    enum class CellStyle
    {
        Custom,
        Default,
        Value1,
        Subtitle
    };
    enum class Accessory
    {
        None,
        DisclosureIndicator,
        Checkmark
    };

    explicit TableViewCell(const QString &reuseIdentifier, CellStyle style = CellStyle::Custom,
                           QWidget *parent = nullptr);

    QString reuseIdentifier() const { return m_reuseIdentifier; }

    // Present in the Default, Value1 and Subtitle styles.
    QLabel *textLabel() const { return m_textLabel; }
    QLabel *detailTextLabel() const { return m_detailLabel; }

    void setAccessory(Accessory accessory);
    Accessory accessory() const { return m_accessory; }

    bool isSelected() const { return m_selected; }
    void setSelected(bool selected);
    bool isHighlighted() const { return m_highlighted; }
    void setHighlighted(bool highlighted);
    // No grey flash when selected (the phone's selection style "none").
    void setSelectionStyleNone(bool none) { m_selectionNone = none; }

    void setSeparatorVisible(bool visible);
    void setBackgroundColor(const QColor &color);
    void setSeparatorInset(int left)
    {
        m_separatorInset = left;
        update();
    }

    // Called before the table hands a reused cell out again: a cell that showed another row
    // resets what it must not carry over (overrides call this first).
    virtual void prepareForReuse();

    // Every visible text of the cell, in reading order (for the automation driver).
    QStringList texts() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void layoutBuiltIn();

    QString m_reuseIdentifier;
    CellStyle m_style;
    Accessory m_accessory = Accessory::None;
    QLabel *m_textLabel = nullptr;
    QLabel *m_detailLabel = nullptr;
    bool m_selected = false;
    bool m_highlighted = false;
    bool m_selectionNone = false;
    bool m_separatorVisible = true;
    QColor m_background = Qt::white;
    int m_separatorInset = 15;
};
