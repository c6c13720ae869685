#pragma once
// The hours frame of the work calendar page (TfmcMultiSelectHI): five rows
// of a start and a finish edit under the labels "از:" and "تا:". Each edit
// carries a Tag: row = Tag / 10, column = Tag % 10 (0 start, 1 finish).

#include <QWidget>
#include <array>
#include <functional>

class QLabel;
class QLineEdit;

namespace zar::demo {

class TfmcMultiSelectHI : public QWidget {
  Q_OBJECT
 public:
  explicit TfmcMultiSelectHI(QWidget* parent = nullptr);

  static constexpr int Rows = 5;

  // The edit of Column (0 start, 1 finish) and Row (0..4).
  QLineEdit* HourEdit(int Column, int Row) const { return FEdits[Column * Rows + Row]; }
  // The edit whose Tag is Column + 10 * Row; null for any other Tag.
  QLineEdit* EditOfTag(int Tag) const;
  static int TagOf(const QLineEdit* Edit);  // -1 for a control without one
  QLabel* StartLabel() const { return FStartLabel; }
  QLabel* FinishLabel() const { return FFinishLabel; }

  // The events of every edit, with the edit as sender.
  std::function<void(QLineEdit*)> OnChange;
  std::function<void(QLineEdit*)> OnEnter;
  std::function<void(QLineEdit*)> OnExit;
  std::function<void(QLineEdit*)> OnReturn;

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  std::array<QLineEdit*, 2 * Rows> FEdits{};
  QLabel* FStartLabel;
  QLabel* FFinishLabel;
};

}  // namespace zar::demo
