#pragma once
// A small banded report engine: a title band and a detail band printed once
// per record of a dataset, laid out top to bottom on pages of a given height.
// Positions and sizes are pixels at 96 dots per inch, as the report was
// designed on screen; fonts are in points, so that every device (screen,
// printer, PDF) draws them at their true size.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>
#include <string>
#include <vector>

class QPainter;
class QPagedPaintDevice;

namespace zar {
class TDataSet;
}

namespace zar::demo {

// One text of a band: a fixed caption, or the display text of a field.
struct TReportText {
  QString Name;
  QRect Bounds;  // within the band
  QFont Font;
  QColor Color = Qt::black;
  QColor Background;  // invalid: transparent
  Qt::Alignment Alignment = Qt::AlignLeft;
  bool RightToLeft = false;
  QString Caption;        // for a caption
  std::string FieldName;  // for a field; empty for a caption
};

enum class TBandType { Title, Detail };

struct TReportBand {
  QString Name;
  TBandType Type = TBandType::Detail;
  int Height = 0;
  bool FrameBottom = false;  // a line along the band's bottom edge
  std::vector<TReportText> Texts;
};

// A band as placed on a prepared page.
struct TPlacedBand {
  TBandType Type;
  int Record;  // index into the prepared records; -1 for a title
  int Top;     // from the top of the printable area
};

struct TPreparedPage {
  std::vector<TPlacedBand> Bands;
};

class TBandedReport {
 public:
  TBandedReport(TReportBand Title, TReportBand Detail);

  // Reads every visible record of DataSet from the first to the end (its
  // filter and order apply) and lays the bands out on pages PageHeight
  // high. The title band heads every page; an empty dataset still gives one
  // page with its title. The current record is restored afterwards.
  void Prepare(TDataSet& DataSet, QSize PageSize);
  const std::vector<TPreparedPage>& Pages() const noexcept { return FPages; }
  int RecordCount() const noexcept { return static_cast<int>(FRecords.size()); }
  // The prepared text of the detail band's text Index for Record.
  const QString& RecordText(int Record, int Index) const;

  // Draws page Page on a painter whose origin is the top left of the
  // printable area; Scale is device pixels per designed pixel.
  void RenderPage(QPainter& Painter, int Page, double ScaleX, double ScaleY) const;
  // Prints every prepared page on Device, which must already carry its page
  // layout. Raises zar::Exception when the device cannot be painted on.
  void Print(QPagedPaintDevice& Device) const;

 private:
  void RenderBand(QPainter& Painter, const TPlacedBand& Placed, double ScaleX, double ScaleY) const;

  TReportBand FTitle;
  TReportBand FDetail;
  std::vector<std::vector<QString>> FRecords;  // detail texts per record
  std::vector<TPreparedPage> FPages;
  int FWidth = 0;  // width of the printable area, designed pixels
};

}  // namespace zar::demo
