#pragma once
// A label that acts as a link: hand cursor, one font colour at rest and
// another while the pointer is over it, and a click handler.

#include <QColor>
#include <QLabel>
#include <functional>

namespace zar::demo {

class TLinkLabel : public QLabel {
  Q_OBJECT
 public:
  TLinkLabel(const QString& Caption, QColor RestColor, QColor HoverColor,
             QWidget* parent = nullptr);

  std::function<void(TLinkLabel* Sender)> OnClick;

  QColor FontColor() const;

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void SetFontColor(QColor Color);

  QColor FRestColor;
  QColor FHoverColor;
};

}  // namespace zar::demo
