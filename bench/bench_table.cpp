// Opening a 1000-row product list and scrolling it end to end, painting every step
// (offscreen). A frame is 16 ms.
#include "PhoneWindow.h"
#include "QZProductTableViewCell.h"
#include "RootViewController.h"
#include "TableView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>

#include <cstdio>

namespace {

class Products : public TableViewDataSource
{
public:
    int numberOfRowsInSection(TableView *, int) override { return 1000; }
    TableViewCell *cellForRowAtIndexPath(TableView *table, const IndexPath &path) override
    {
        auto *cell = table->dequeueReusableCell<QZProductTableViewCell>();
        modelForProd product;
        product.w_cpmc = QString("澄岚·稳盈%1号集合资金信托计划").arg(path.row + 1);
        product.w_xszt = QString::number(path.row % 3 + 1);
        product.w_yqnhsyl = "6.8";
        product.w_qdje = "1000000";
        product.w_xtqx = "24个月";
        cell->setProduct(product);
        return cell;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setFont(QFont("Noto Sans CJK SC"));
    Products products;
    PhoneWindow window;
    auto *screen = new RootViewController;
    window.setRootViewController(screen);
    auto *table = new TableView(screen);
    table->setGeometry(0, 0, 320, 455);
    table->setRowHeight(160);
    table->setDataSource(&products);
    window.show();

    QElapsedTimer clock;
    clock.start();
    table->reloadData();
    table->show();
    table->viewport()->repaint();
    const double openMs = clock.nsecsElapsed() / 1e6;

    QScrollBar *bar = table->verticalScrollBar();
    int steps = 0;
    double worst = 0;
    clock.restart();
    for (int y = 0; y <= bar->maximum(); y += 40, ++steps) {
        QElapsedTimer step;
        step.start();
        bar->setValue(y);
        table->viewport()->repaint();
        worst = std::max(worst, step.nsecsElapsed() / 1e6);
    }
    const double scrollMs = clock.nsecsElapsed() / 1e6;
    std::printf(
        "open a 1000-row list: %.2f ms; scroll end to end: %d steps of 40 points in %.1f ms "
        "(%.3f ms a step, worst %.2f ms); %d cell widgets made\n",
        openMs, steps, scrollMs, scrollMs / steps, worst, table->createdCellCount());
    return 0;
}
