#pragma once
// The orders pages of section 5: the orders in a grid with a navigator and
// data-aware editors (pages 51 to 53), and the orders filtered on their ship
// date with the print button (page 54).

#include <QWidget>
#include <functional>
#include <string>

#include "DataSource.h"
#include "DateTimeBase.h"

class QComboBox;
class QPushButton;
class QToolButton;

namespace zar {
class TClientDataSet;
class TDBGrid;
class TDBNavigator;
class TDBEdit;
class TDBExZarDatePicker;
class TExZarDatePicker;
}  // namespace zar

namespace zar::demo {

// Number of operators of the ship-date filter.
inline constexpr int FilterOperatorCount = 10;

// The filter text for operator Item of the operator list (-1: none chosen,
// giving the empty text) on the dates D1 and D2, written as the platform's
// Gregorian short dates in single quotes.
std::string OrderFilterText(int Item, TDate D1, TDate D2);

// Pages 51, 52 and 53: the grid and its navigator over one orders dataset,
// and the four rows of bound editors.
class TOrdersPage : public QWidget {
  Q_OBJECT
 public:
  // Gregorian puts the grid at the left, reading left to right, and makes
  // both pickers edit in the Gregorian calendar (page 53).
  TOrdersPage(TClientDataSet& Orders, const QString& SourceName, bool Gregorian,
              QWidget* parent = nullptr);

  TDataSource& DataSource() { return FDataSource; }
  TDBGrid* Grid() const { return FGrid; }
  TDBNavigator* Navigator() const { return FNavigator; }
  TDBEdit* Edit(const char* FieldName) const;
  TDBExZarDatePicker* ReceiveTimePicker() const { return FReceiveTime; }
  TDBExZarDatePicker* ShipDatePicker() const { return FShipDate; }

 private:
  TDataSource FDataSource;
  TDBGrid* FGrid = nullptr;
  TDBNavigator* FNavigator = nullptr;
  TDBExZarDatePicker* FReceiveTime = nullptr;
  TDBExZarDatePicker* FShipDate = nullptr;
};

// Page 54: the orders of page 51 with the ship-date filter and printing.
class TOrdersFilterPage : public QWidget {
  Q_OBJECT
 public:
  explicit TOrdersFilterPage(TClientDataSet& Orders, QWidget* parent = nullptr);

  TDataSource& DataSource() { return FDataSource; }
  TDBGrid* Grid() const { return FGrid; }
  QComboBox* OperatorList() const { return ComboBox3; }
  TExZarDatePicker* FirstDatePicker() const { return ExZarDatePicker2; }
  TExZarDatePicker* SecondDatePicker() const { return ExZarDatePicker3; }
  QToolButton* ApplyButton() const { return SpeedButton15; }
  QToolButton* CancelButton() const { return SpeedButton16; }
  QPushButton* PrintButton() const { return Button1; }

  // Button1Click: prints the orders (the window shows the report preview).
  std::function<void()> OnPrint;

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  void BuildFilterGroup();
  void ComboBox3Change();
  void SpeedButton15Click();
  void SpeedButton16Click();

  TClientDataSet& FOrders;
  TDataSource FDataSource;
  TDBGrid* FGrid = nullptr;
  QComboBox* ComboBox3 = nullptr;
  TExZarDatePicker* ExZarDatePicker2 = nullptr;
  TExZarDatePicker* ExZarDatePicker3 = nullptr;
  QToolButton* SpeedButton15 = nullptr;
  QToolButton* SpeedButton16 = nullptr;
  QPushButton* Button1 = nullptr;
};

}  // namespace zar::demo
