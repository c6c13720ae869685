#pragma once
// TDBNavigator: a row of buttons that move through and edit the dataset of
// a data source. A button is enabled only when its operation can do
// something now: First and Prior away from the first record, Next and Last
// away from the last, Insert while the dataset can be modified, Delete when
// there is a record, Edit while browsing, Post and Cancel while editing,
// Refresh while open. The buttons keep their left-to-right order in a
// right-to-left window, so that the arrows point where they move.

#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "DataSource.h"
#include "ZarSet.h"

class QToolButton;

namespace zar {

enum TNavigateBtn : std::uint8_t {
  nbFirst,
  nbPrior,
  nbNext,
  nbLast,
  nbInsert,
  nbDelete,
  nbEdit,
  nbPost,
  nbCancel,
  nbRefresh
};
using TNavButtonSet = TSet<TNavigateBtn>;
inline constexpr TNavButtonSet AllNavButtons{nbFirst,  nbPrior, nbNext, nbLast,   nbInsert,
                                             nbDelete, nbEdit,  nbPost, nbCancel, nbRefresh};

class TDBNavigator : public QWidget {
  Q_OBJECT
 public:
  explicit TDBNavigator(QWidget* parent = nullptr);
  ~TDBNavigator() override;

  // The source whose dataset the buttons work on; nullptr for none (every
  // button disabled).
  TDataSource* DataSource() const noexcept;
  void SetDataSource(TDataSource* Value);
  // The buttons shown, sharing the width equally; all by default.
  TNavButtonSet VisibleButtons() const noexcept { return FVisibleButtons; }
  void SetVisibleButtons(TNavButtonSet Value);
  // Buttons without a frame until the mouse is over them; off by default.
  bool Flat() const noexcept { return FFlat; }
  void SetFlat(bool Value);
  // Tooltips in button order; an empty or missing entry keeps the default
  // hint ("First record", ...).
  const std::vector<std::string>& Hints() const noexcept { return FHints; }
  void SetHints(std::vector<std::string> Value);
  // The hint shown for a button now: its entry of Hints, else the default.
  std::string Hint(TNavigateBtn Button) const;
  // Asks before Delete; on by default.
  bool ConfirmDelete() const noexcept { return FConfirmDelete; }
  void SetConfirmDelete(bool Value) noexcept { FConfirmDelete = Value; }

  // Does what a click on Button does, whether it is shown or not: runs
  // BeforeAction, the dataset operation, then OnClick. An error of the
  // dataset (a refused post, say) raises and the dataset keeps its state.
  void BtnClick(TNavigateBtn Button);
  // The button itself, for tests and styling; never null.
  QToolButton* Button(TNavigateBtn Button) const;

  // Before the operation; raising cancels it.
  std::function<void(TDBNavigator& Sender, TNavigateBtn Button)> BeforeAction;
  // After the operation (also when there was nothing to do); not when it raised.
  std::function<void(TDBNavigator& Sender, TNavigateBtn Button)> OnClick;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  class TLink;
  void UpdateButtons();
  void UpdateHints();
  void UpdateIcons();
  void ButtonClicked(TNavigateBtn Button);

  std::unique_ptr<TLink> FDataLink;
  std::array<QToolButton*, 10> FButtons{};
  TNavButtonSet FVisibleButtons = AllNavButtons;
  bool FFlat = false;
  bool FConfirmDelete = true;
  std::vector<std::string> FHints;
};

}  // namespace zar
