#pragma once
// Option controls of the component pages: a radio group whose OnClick runs
// whenever its item changes (also when set from code, as the program's
// handlers rely on), check boxes that report their ticked state, and the
// two-column key help table.

#include <QCheckBox>
#include <QGroupBox>
#include <QRect>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

class QRadioButton;

namespace zar::demo {

class TRadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  TRadioGroup(const QString& Caption, const QStringList& Items, QWidget* parent = nullptr);

  int ItemIndex() const;
  // Checks item Index; OnClick runs when that changes the item.
  void SetItemIndex(int Index);
  QRadioButton* Item(int Index) const { return FItems.at(Index); }

  std::function<void()> OnClick;

 private:
  std::vector<QRadioButton*> FItems;
};

// A check box whose OnClick runs, with the ticked state, whenever that
// state changes; Hint becomes its tool tip.
QCheckBox* AddOptionCheckBox(QWidget* Page, const char* Name, const QString& Caption,
                             bool Checked, QRect Bounds, std::function<void(bool)> OnClick,
                             const QString& Hint = QString());

// Pairs of a key (left-to-right, navy) and its meaning (right-to-left,
// maroon), one line each, in two borderless read-only boxes side by side
// within Bounds; the keys take KeysWidth on the left.
void AddKeyHelpTable(QWidget* Page, const std::vector<std::pair<const char*, const char*>>& Rows,
                     QRect Bounds, int KeysWidth);

}  // namespace zar::demo
