#include "ReportEngine.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextOption>
#include <algorithm>

#include "DBDataSet.h"
#include "Exceptions.h"
#include "ScopeExit.h"

namespace zar::demo {

namespace {

QString Text(const std::string& utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QRectF Scaled(const QRect& r, double x, double y, double top) {
  return QRectF(r.x() * x, (top + r.y()) * y, r.width() * x, r.height() * y);
}

}  // namespace

TBandedReport::TBandedReport(TReportBand Title, TReportBand Detail)
    : FTitle(std::move(Title)), FDetail(std::move(Detail)) {}

void TBandedReport::Prepare(TDataSet& DataSet, QSize PageSize) {
  FRecords.clear();
  FPages.clear();
  FWidth = PageSize.width();
  if (DataSet.Active()) {
    // The dataset's current record is restored and its controls enabled
    // again however the walk ends.
    const int recNo = DataSet.RecNo();
    DataSet.DisableControls();
    const TScopeExit keeper([&DataSet, recNo] {
      try {
        DataSet.First();
        for (int i = 1; i < recNo && !DataSet.Eof(); ++i) DataSet.Next();
      } catch (...) {  // only a position is lost, never data
      }
      DataSet.EnableControls();
    });
    for (DataSet.First(); !DataSet.Eof(); DataSet.Next()) {
      std::vector<QString> texts;
      texts.reserve(FDetail.Texts.size());
      for (const TReportText& text : FDetail.Texts)
        texts.push_back(text.FieldName.empty()
                            ? text.Caption
                            : Text(DataSet.FieldByName(text.FieldName).DisplayText()));
      FRecords.push_back(std::move(texts));
    }
  }
  // Every page starts with the title; a page holds at least one record so
  // that a page too short for its bands cannot make the layout run forever.
  const int perPage =
      std::max(1, (PageSize.height() - FTitle.Height) / std::max(1, FDetail.Height));
  int record = 0;
  do {
    TPreparedPage page;
    page.Bands.push_back({TBandType::Title, -1, 0});
    int top = FTitle.Height;
    for (int n = 0; n < perPage && record < RecordCount(); ++n, ++record) {
      page.Bands.push_back({TBandType::Detail, record, top});
      top += FDetail.Height;
    }
    FPages.push_back(std::move(page));
  } while (record < RecordCount());
}

const QString& TBandedReport::RecordText(int Record, int Index) const {
  return FRecords.at(static_cast<std::size_t>(Record)).at(static_cast<std::size_t>(Index));
}

void TBandedReport::RenderPage(QPainter& Painter, int Page, double ScaleX, double ScaleY) const {
  for (const TPlacedBand& placed : FPages.at(static_cast<std::size_t>(Page)).Bands)
    RenderBand(Painter, placed, ScaleX, ScaleY);
}

void TBandedReport::RenderBand(QPainter& Painter, const TPlacedBand& Placed, double ScaleX,
                               double ScaleY) const {
  const TReportBand& band = Placed.Type == TBandType::Title ? FTitle : FDetail;
  for (std::size_t i = 0; i < band.Texts.size(); ++i) {
    const TReportText& text = band.Texts[i];
    const QRectF bounds = Scaled(text.Bounds, ScaleX, ScaleY, Placed.Top);
    if (text.Background.isValid()) Painter.fillRect(bounds, text.Background);
    QTextOption option(text.Alignment | Qt::AlignVCenter);
    option.setTextDirection(text.RightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    option.setWrapMode(QTextOption::NoWrap);
    Painter.setFont(text.Font);
    Painter.setPen(text.Color);
    Painter.save();
    Painter.setClipRect(bounds);
    Painter.drawText(bounds, Placed.Record < 0 ? text.Caption : RecordText(Placed.Record, int(i)),
                     option);
    Painter.restore();
  }
  if (band.FrameBottom) {
    const double y = (Placed.Top + band.Height) * ScaleY;
    Painter.setPen(QPen(Qt::black, std::max(1.0, ScaleY)));
    Painter.drawLine(QPointF(0, y), QPointF(FWidth * ScaleX, y));
  }
}

void TBandedReport::Print(QPagedPaintDevice& Device) const {
  QPainter painter;
  if (!painter.begin(&Device)) throw Exception("The report cannot be printed on this device");
  const double scaleX = Device.logicalDpiX() / 96.0;
  const double scaleY = Device.logicalDpiY() / 96.0;
  for (int page = 0; page < static_cast<int>(FPages.size()); ++page) {
    if (page > 0 && !Device.newPage()) throw Exception("The report's page could not be started");
    RenderPage(painter, page, scaleX, scaleY);
  }
  if (!painter.end()) throw Exception("The report could not be finished");
}

}  // namespace zar::demo
