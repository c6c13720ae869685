#include "HoursFrame.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

namespace zar::demo {

namespace {

constexpr int EditWidth = 69, EditHeight = 21, RowStep = 28;
constexpr int StartX = 87, FinishX = 4;
// The labels sit above the first row.
constexpr int LabelHeight = 16;

}  // namespace

TfmcMultiSelectHI::TfmcMultiSelectHI(QWidget* parent) : QWidget(parent) {
  setObjectName("HoursInfoFrame");
  resize(161, 139 + LabelHeight);
  FStartLabel = new QLabel("از:", this);
  FStartLabel->setObjectName("LabelStart");
  FStartLabel->setGeometry(StartX, 0, EditWidth, LabelHeight);
  FFinishLabel = new QLabel("تا:", this);
  FFinishLabel->setObjectName("LabelFinish");
  FFinishLabel->setGeometry(FinishX, 0, EditWidth, LabelHeight);
  for (int column = 0; column < 2; ++column) {
    for (int row = 0; row < Rows; ++row) {
      auto* edit = new QLineEdit(this);
      edit->setObjectName(QString("%1%2").arg(column == 0 ? "edStart" : "edFinish").arg(row + 1));
      edit->setProperty("Tag", column + 10 * row);
      edit->setGeometry(column == 0 ? StartX : FinishX, LabelHeight + row * RowStep, EditWidth,
                        EditHeight);
      // Times read left to right, as 08:00.
      edit->setLayoutDirection(Qt::LeftToRight);
      edit->setAlignment(Qt::AlignCenter);
      edit->installEventFilter(this);
      connect(edit, &QLineEdit::textChanged, this, [this, edit] {
        if (OnChange) OnChange(edit);
      });
      FEdits[column * Rows + row] = edit;
    }
  }
}

QLineEdit* TfmcMultiSelectHI::EditOfTag(int Tag) const {
  if (Tag < 0 || Tag % 10 > 1 || Tag / 10 >= Rows) return nullptr;
  return HourEdit(Tag % 10, Tag / 10);
}

int TfmcMultiSelectHI::TagOf(const QLineEdit* Edit) {
  bool ok = false;
  const int tag = Edit ? Edit->property("Tag").toInt(&ok) : -1;
  return ok ? tag : -1;
}

bool TfmcMultiSelectHI::eventFilter(QObject* Watched, QEvent* Event) {
  auto* edit = qobject_cast<QLineEdit*>(Watched);
  if (!edit) return QWidget::eventFilter(Watched, Event);
  switch (Event->type()) {
    case QEvent::FocusIn:
      if (OnEnter) OnEnter(edit);
      break;
    case QEvent::FocusOut:
      if (OnExit) OnExit(edit);
      break;
    case QEvent::KeyPress: {
      const int key = static_cast<QKeyEvent*>(Event)->key();
      if ((key == Qt::Key_Return || key == Qt::Key_Enter) && OnReturn) OnReturn(edit);
      break;
    }
    case QEvent::MouseButtonRelease:
      // A left click selects the whole time, ready to be typed over; the
      // edit's own release handling runs first.
      if (static_cast<QMouseEvent*>(Event)->button() == Qt::LeftButton) {
        edit->event(Event);
        edit->selectAll();
        return true;
      }
      break;
    default: break;
  }
  return QWidget::eventFilter(Watched, Event);
}

}  // namespace zar::demo
