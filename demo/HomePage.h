#pragma once
// Page 0: the five section links, the ordering link and the maker's text.

#include <QWidget>
#include <array>
#include <functional>

namespace zar::demo {

class TLinkLabel;

class THomePage : public QWidget {
  Q_OBJECT
 public:
  explicit THomePage(QWidget* parent = nullptr);

  // Click on the link of a section (1..5).
  std::function<void(int Section)> OnSectionClick;
  std::function<void()> OnOrderClick;

  // Gives the fonts designed in Arial the form's family as their fallback.
  void ApplyFormFamily(const QString& FormFamily);

 private:
  std::array<TLinkLabel*, 5> FSectionLinks{};
  TLinkLabel* FOrderLink = nullptr;
};

}  // namespace zar::demo
