#include "SpecialTradeDetailScreen.h"

#include "ui_SpecialTradeDetailScreen.h"

SpecialTradeDetailScreen::SpecialTradeDetailScreen(const QString &title, QWidget *parent)
    : SectionedDetailScreen(title, 64, parent), m_ui(new Ui::SpecialTradeDetailScreen)
{
    m_ui->setupUi(this);
}

SpecialTradeDetailScreen::~SpecialTradeDetailScreen()
{
    delete m_ui;
}

void SpecialTradeDetailScreen::initUI()
{
    SectionedDetailScreen::initUI();
    tableView()->setStyle(TableView::Style::Grouped);
}

void SpecialTradeDetailScreen::initData()
{
    setSections(sections());
}
