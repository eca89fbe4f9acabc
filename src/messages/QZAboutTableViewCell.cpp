#include "QZAboutTableViewCell.h"

#include "ui_QZAboutTableViewCell.h"

#include "NewsTexts.h"
#include "UiColor.h"

const QString QZAboutTableViewCell::kReuseIdentifier = QStringLiteral("cell");

QZAboutTableViewCell::QZAboutTableViewCell()
    : TableViewCell(kReuseIdentifier, CellStyle::Custom), m_ui(new Ui::QZAboutTableViewCell)
{
    m_ui->setupUi(this);
    setSeparatorVisible(false);
    setBackgroundColor(UiColor::background());
}

QZAboutTableViewCell::~QZAboutTableViewCell()
{
    delete m_ui;
}

void QZAboutTableViewCell::setArticle(const QZInformationModel &article)
{
    m_ui->nameLabel->setText(article.title);
    m_ui->contentLabel->setText(article.brief);
    m_ui->dataLabel->setText(NewsTexts::listDate(article.begin_time));
    m_ui->fromLabel->setText(article.source);
    const QString kind = NewsTexts::kindLabel(article.article_type);
    m_ui->kindLabel->setText(kind);
    m_ui->kindLabel->setVisible(!kind.isEmpty()); // no empty frame for an unknown kind
}
