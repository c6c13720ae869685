// TDBGrid over the 100 000-order dataset against the plain-Qt way of showing
// the same rows: a QTableView over a QStandardItemModel holding the grid's
// texts, filtered through a QSortFilterProxyModel. Three steps: the first
// screen of a view set on already opened data, scrolling one page, and
// applying a ship-date filter and repainting. Also the memory each model
// adds, which for TDataSetModel must not grow with the records.

#include <malloc.h>

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <cstdio>
#include <memory>

#include "BenchOrders.h"
#include "DBGrid.h"
#include "DemoDataSets.h"
#include "GregorianDates.h"
#include "RatioTable.h"
#include "ZarDateUtils.h"

namespace {

using namespace zar;

constexpr int OrderCount = 100000;
constexpr int Width = 800, Height = 600;
constexpr int ShipDateColumn = 3;
// Two ship-date ranges the filter step alternates between, in the dataset's
// filter syntax and as the grid's solar texts.
constexpr const char* RangeFilters[2] = {
    "((ShipDate >= '2010/01/01') AND (ShipDate <= '2015/12/31'))",
    "((ShipDate >= '2004/01/01') AND (ShipDate <= '2006/12/31'))"};

struct TOrdersData {
  TClientDataSet Orders{"cdsOrders"};
  TDataSource Source;
  QStandardItemModel Plain;
  QString SolarBounds[2][2];

  TOrdersData() {
    zardemo::DefineOrders(Orders);
    Orders.CreateDataSet();
    Orders.SetLogChanges(false);
    Orders.DisableControls();
    bench::AppendOrders(Orders, OrderCount);
    Orders.EnableControls();
    Orders.First();
    Source.SetDataSet(&Orders);
    // The plain model holds exactly the texts the grid shows.
    Plain.setColumnCount(static_cast<int>(Orders.FieldCount()));
    for (int c = 0; c < Plain.columnCount(); ++c)
      Plain.setHorizontalHeaderItem(
          c, new QStandardItem(QString::fromStdString(Orders.Fields(c).DisplayLabel())));
    for (int r = 0; r < Orders.RecordCount(); ++r) {
      TDataSet::TRecordReader reader(Orders, r);
      QList<QStandardItem*> row;
      for (std::size_t f = 0; f < Orders.FieldCount(); ++f)
        row.append(new QStandardItem(QString::fromStdString(Orders.Fields(f).DisplayText())));
      Plain.appendRow(row);
    }
    const Word years[2][2] = {{2010, 2015}, {2004, 2006}};
    for (int i = 0; i < 2; ++i) {
      SolarBounds[i][0] =
          QString::fromStdString(ZarFormatDateTime("yyyy/mm/dd", EncodeDate(years[i][0], 1, 1)));
      SolarBounds[i][1] =
          QString::fromStdString(ZarFormatDateTime("yyyy/mm/dd", EncodeDate(years[i][1], 12, 31)));
    }
  }
};

TOrdersData& Data() {
  static TOrdersData data;
  return data;
}

// The plain-Qt way of a ship-date range on texts: solar yyyy/mm/dd texts
// order as their dates do.
class TShipDateProxy : public QSortFilterProxyModel {
 public:
  void SetRange(const QString& from, const QString& to) {
    FFrom = from;
    FTo = to;
    FActive = true;
    // invalidate() rebuilds the mapping at once; invalidateFilter() would
    // announce each removed run of rows and take seconds on 100 000 rows.
    invalidate();
  }

 protected:
  bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
    if (!FActive) return true;
    const QString ship = sourceModel()->index(row, ShipDateColumn, parent).data().toString();
    return !ship.isEmpty() && ship >= FFrom && ship <= FTo;
  }

 private:
  QString FFrom, FTo;
  bool FActive = false;
};

void Render(QWidget& view, QImage& image) {
  view.render(&image);
  benchmark::DoNotOptimize(image.constBits());
}

// ---- First screen -----------------------------------------------------------------------

void FirstScreenZar(benchmark::State& state) {
  QImage image(Width, Height, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    TDBGrid grid;
    grid.resize(Width, Height);
    grid.SetDataSource(&Data().Source);
    Render(grid, image);
  }
}

void FirstScreenQt(benchmark::State& state) {
  QImage image(Width, Height, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    QTableView view;
    TShipDateProxy proxy;
    proxy.setSourceModel(&Data().Plain);
    view.setModel(&proxy);
    view.resize(Width, Height);
    Render(view, image);
  }
}

// ---- One page down ------------------------------------------------------------------------

void ScrollPages(benchmark::State& state, QAbstractItemView& view) {
  QImage image(Width, Height, QImage::Format_ARGB32_Premultiplied);
  view.resize(Width, Height);
  Render(view, image);
  QScrollBar* bar = view.verticalScrollBar();
  for (auto _ : state) {
    bar->setValue(bar->value() + bar->pageStep() > bar->maximum() ? 0
                                                                  : bar->value() + bar->pageStep());
    Render(view, image);
  }
}

void PageScrollZar(benchmark::State& state) {
  TDBGrid grid;
  grid.SetDataSource(&Data().Source);
  ScrollPages(state, grid);
}

void PageScrollQt(benchmark::State& state) {
  QTableView view;
  TShipDateProxy proxy;
  proxy.setSourceModel(&Data().Plain);
  view.setModel(&proxy);
  ScrollPages(state, view);
}

// ---- Ship-date filter and repaint ------------------------------------------------------------

void FilterZar(benchmark::State& state) {
  QImage image(Width, Height, QImage::Format_ARGB32_Premultiplied);
  TDBGrid grid;
  grid.resize(Width, Height);
  grid.SetDataSource(&Data().Source);
  TClientDataSet& orders = Data().Orders;
  int which = 0;
  for (auto _ : state) {
    orders.SetFilter(RangeFilters[which]);
    orders.SetFiltered(true);
    Render(grid, image);
    which ^= 1;
  }
  state.counters["rows"] = grid.model()->rowCount();
  orders.SetFiltered(false);
}

void FilterQt(benchmark::State& state) {
  QImage image(Width, Height, QImage::Format_ARGB32_Premultiplied);
  QTableView view;
  TShipDateProxy proxy;
  proxy.setSourceModel(&Data().Plain);
  view.setModel(&proxy);
  view.resize(Width, Height);
  int which = 0;
  for (auto _ : state) {
    proxy.SetRange(Data().SolarBounds[which][0], Data().SolarBounds[which][1]);
    Render(view, image);
    which ^= 1;
  }
  state.counters["rows"] = proxy.rowCount();
}

std::size_t HeapInUse() {
  malloc_trim(0);
  return mallinfo2().uordblks;
}

// What a model adds on top of the data it shows, with every record visible
// and with a filter leaving few.
void ReportMemory() {
  TOrdersData& data = Data();
  auto gridBytes = [&] {
    const std::size_t before = HeapInUse();
    auto model = std::make_unique<TDataSetModel>();
    model->SetDataSource(&data.Source);
    for (int r = 0; r < std::min(model->rowCount(), 40); ++r)
      for (int c = 0; c < model->columnCount(); ++c) model->index(r, c).data();
    return static_cast<long>(HeapInUse()) - static_cast<long>(before);
  };
  const long all = gridBytes();
  const int allRows = data.Orders.RecordCount();
  data.Orders.SetFilter(RangeFilters[1]);
  data.Orders.SetFiltered(true);
  const long few = gridBytes();
  const int fewRows = data.Orders.RecordCount();
  data.Orders.SetFiltered(false);
  const std::size_t before = HeapInUse();
  {
    QStandardItemModel copy;
    copy.setColumnCount(data.Plain.columnCount());
    for (int r = 0; r < data.Plain.rowCount(); ++r) {
      QList<QStandardItem*> row;
      for (int c = 0; c < data.Plain.columnCount(); ++c)
        row.append(new QStandardItem(data.Plain.item(r, c)->text()));
      copy.appendRow(row);
    }
    const long plain = static_cast<long>(HeapInUse()) - static_cast<long>(before);
    std::printf("TDataSetModel memory: %ld bytes over %d rows, %ld bytes over %d rows\n", all,
                allRows, few, fewRows);
    std::printf("QStandardItemModel memory: %.1f MB over %d rows\n\n", plain / 1e6,
                data.Plain.rowCount());
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  Data();
  ReportMemory();
  const std::pair<const char*, void (*)(benchmark::State&)> cases[] = {
      {"FirstScreen/Zar", FirstScreenZar}, {"FirstScreen/QtStrings", FirstScreenQt},
      {"PageScroll/Zar", PageScrollZar},   {"PageScroll/QtStrings", PageScrollQt},
      {"ShipDateFilter/Zar", FilterZar},   {"ShipDateFilter/QtStrings", FilterQt}};
  for (const auto& [name, function] : cases)
    benchmark::RegisterBenchmark(name, function)
        ->Repetitions(3)
        ->MinTime(0.2)
        ->Unit(benchmark::kMillisecond);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  zar::bench::MedianCollector collector;
  benchmark::RunSpecifiedBenchmarks(&collector);
  benchmark::Shutdown();
  // Targets: each step no slower than the plain-Qt way.
  const bool met = zar::bench::PrintTargetTable(collector, {{"FirstScreen", "QtStrings", 1.0},
                                                            {"PageScroll", "QtStrings", 1.0},
                                                            {"ShipDateFilter", "QtStrings", 1.0}});
  std::printf("\n%s\n", met ? "All targets met." : "Some targets were NOT met.");
  return 0;
}
