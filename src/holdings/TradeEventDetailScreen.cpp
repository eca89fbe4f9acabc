#include "TradeEventDetailScreen.h"

#include "ui_TradeEventDetailScreen.h"

TradeEventDetailScreen::TradeEventDetailScreen(const QString &title, QWidget *parent)
    : SectionedDetailScreen(title, 64, parent), m_ui(new Ui::TradeEventDetailScreen)
{
    m_ui->setupUi(this);
}

TradeEventDetailScreen::~TradeEventDetailScreen()
{
    delete m_ui;
}

void TradeEventDetailScreen::initUI()
{
    SectionedDetailScreen::initUI();
    tableView()->setStyle(TableView::Style::Grouped);
}

void TradeEventDetailScreen::initData()
{
    setSections(sections());
}
