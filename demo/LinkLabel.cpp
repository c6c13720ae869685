#include "LinkLabel.h"

#include <QMouseEvent>

namespace zar::demo {

TLinkLabel::TLinkLabel(const QString& Caption, QColor RestColor, QColor HoverColor, QWidget* parent)
    : QLabel(Caption, parent), FRestColor(RestColor), FHoverColor(HoverColor) {
  setCursor(Qt::PointingHandCursor);
  SetFontColor(FRestColor);
}

QColor TLinkLabel::FontColor() const { return palette().color(QPalette::WindowText); }

void TLinkLabel::SetFontColor(QColor Color) {
  QPalette p = palette();
  p.setColor(QPalette::WindowText, Color);
  setPalette(p);
}

void TLinkLabel::enterEvent(QEnterEvent* event) {
  SetFontColor(FHoverColor);
  QLabel::enterEvent(event);
}

void TLinkLabel::leaveEvent(QEvent* event) {
  SetFontColor(FRestColor);
  QLabel::leaveEvent(event);
}

void TLinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  // A click is a release over the label of the button pressed on it.
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && OnClick)
    OnClick(this);
  QLabel::mouseReleaseEvent(event);
}

}  // namespace zar::demo
