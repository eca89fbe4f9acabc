// Opening a 10,000-row product list and scrolling it end to end, painting every step
// (offscreen). A frame is 16 ms; a scroll step must leave half of it to the rest.
#include "BenchSupport.h"
#include "PhoneWindow.h"
#include "QZProductTableViewCell.h"
#include "RootViewController.h"
#include "TableView.h"

#include <QApplication>
#include <QScrollBar>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kRows = 10000;
constexpr int kRuns = 5;

class Products : public TableViewDataSource
{
public:
    int numberOfRowsInSection(TableView *, int) override { return kRows; }
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
    window.show();

    QList<double> opens;
    QList<double> worstSteps;
    QList<double> stepMedians;
    int stepCount = 0;
    for (int run = 0; run < kRuns; ++run) {
        // A new list each run, as a screen makes one when it opens.
        auto *table = new TableView(screen);
        table->setGeometry(0, 0, 320, 455);
        table->setRowHeight(160);
        table->setDataSource(&products);
        opens.append(BenchSupport::timeMs([table] {
            table->reloadData();
            table->show();
            table->viewport()->repaint();
        }));
        QScrollBar *bar = table->verticalScrollBar();
        QList<double> steps;
        for (int y = 0; y <= bar->maximum(); y += 40) {
            steps.append(BenchSupport::timeMs([&] {
                bar->setValue(y);
                table->viewport()->repaint();
            }));
        }
        stepCount = int(steps.size());
        const BenchSupport::Spread spread = BenchSupport::spreadOf(steps);
        worstSteps.append(spread.max);
        stepMedians.append(spread.median);
        delete table;
    }
    std::printf("%d rows, %d runs; each scroll: %d steps of 40 points end to end\n", kRows, kRuns,
                stepCount);
    BenchSupport::report(QStringLiteral("open a 10,000-row list"), BenchSupport::spreadOf(opens),
                         16, QStringLiteral("ms"));
    BenchSupport::report(QStringLiteral("slowest scroll step of a run"),
                         BenchSupport::spreadOf(worstSteps), 8, QStringLiteral("ms"));
    BenchSupport::report(QStringLiteral("typical scroll step (median of a run)"),
                         BenchSupport::spreadOf(stepMedians), -1, QStringLiteral("ms"));
    return 0;
}
