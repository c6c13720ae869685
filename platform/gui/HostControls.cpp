#include "HostControls.h"

#include <QEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "Exceptions.h"
#include "InputTranslation.h"

namespace zar {

// ---- Anchors -------------------------------------------------------------------------

namespace {

// Watches the parent of one control and keeps the control's distances to
// the anchored edges.
class AnchorKeeper : public QObject {
 public:
  AnchorKeeper(QWidget* control, TAnchors anchors)
      : QObject(control), FControl(control), FAnchors(anchors) {
    const QWidget* parent = control->parentWidget();
    const QRect g = control->geometry();
    FRightGap = parent->width() - g.right() - 1;
    FBottomGap = parent->height() - g.bottom() - 1;
    control->parentWidget()->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Resize && watched == FControl->parentWidget()) Follow();
    return false;
  }

 private:
  void Follow() {
    const QWidget* parent = FControl->parentWidget();
    QRect g = FControl->geometry();
    if (FAnchors.Contains(akRight)) {
      const int right = parent->width() - FRightGap;  // one past the control's right edge
      if (FAnchors.Contains(akLeft))
        g.setWidth(right - g.left());
      else
        g.moveLeft(right - g.width());
    }
    if (FAnchors.Contains(akBottom)) {
      const int bottom = parent->height() - FBottomGap;
      if (FAnchors.Contains(akTop))
        g.setHeight(bottom - g.top());
      else
        g.moveTop(bottom - g.height());
    }
    FControl->setGeometry(g);
  }

  QWidget* FControl;
  TAnchors FAnchors;
  int FRightGap;
  int FBottomGap;
};

}  // namespace

void SetAnchors(QWidget* control, TAnchors anchors) {
  for (AnchorKeeper* old : control->findChildren<AnchorKeeper*>(Qt::FindDirectChildrenOnly))
    delete old;
  if (control->parentWidget() && anchors != TAnchors{akLeft, akTop})
    new AnchorKeeper(control, anchors);
}

// ---- TPanel ----------------------------------------------------------------------------

TPanel::TPanel(QWidget* parent) : QWidget(parent) {
  setAutoFillBackground(true);
  SetColor(FColor);
}

void TPanel::SetColor(TColor value) {
  FColor = value;
  QPalette pal = palette();
  pal.setColor(QPalette::Window, ColorToQColor(value, pal));
  setPalette(pal);
}

void TPanel::SetAlign(TAlign value) {
  FAlign = value;
  if (value == alTop && parentWidget()) {
    const QRect client = parentWidget()->contentsRect();
    setGeometry(client.left(), client.top(), client.width(), height());
    SetAnchors(this, {akLeft, akTop, akRight});
  } else {
    SetAnchors(this, {akLeft, akTop});
  }
}

void TPanel::mousePressEvent(QMouseEvent* event) { event->accept(); }

// ---- TLabel ------------------------------------------------------------------------------

TLabel::TLabel(QWidget* parent) : QLabel(parent) { SetFontColor(FFontColor); }

void TLabel::SetFontColor(TColor value) {
  FFontColor = value;
  QPalette pal = palette();
  pal.setColor(QPalette::WindowText, ColorToQColor(value, pal));
  setPalette(pal);
}

void TLabel::mousePressEvent(QMouseEvent* event) {
  const auto button = MouseButtonOf(event->button());
  if (!button) {
    event->ignore();
    return;
  }
  event->accept();
  const QPoint p = event->position().toPoint();
  if (OnMouseDown)
    OnMouseDown(this, *button, ShiftStateOf(event->modifiers(), event->buttons()), p.x(), p.y());
}

// ---- TSpeedButton ----------------------------------------------------------------------

TSpeedButton::TSpeedButton(QWidget* parent) : QToolButton(parent) {
  setToolButtonStyle(Qt::ToolButtonIconOnly);
  setFocusPolicy(Qt::NoFocus);
  connect(this, &QToolButton::clicked, this, [this] {
    if (OnClick) OnClick(this);
  });
}

void TSpeedButton::SetGlyph(const QString& bitmapPath, int numGlyphs) {
  const QImage bitmap(bitmapPath);
  if (bitmap.isNull() || numGlyphs < 1)
    throw Exception("Cannot load bitmap " + bitmapPath.toStdString());
  SetGlyph(bitmap, numGlyphs);
}

void TSpeedButton::SetGlyph(const QImage& source, int numGlyphs) {
  if (source.isNull() || numGlyphs < 1 || source.width() < numGlyphs)
    throw Exception("Cannot use an empty bitmap as a glyph");
  QImage bitmap = source.convertToFormat(QImage::Format_ARGB32);
  const QRgb transparent = bitmap.pixel(0, bitmap.height() - 1);
  for (int y = 0; y < bitmap.height(); ++y)
    for (int x = 0; x < bitmap.width(); ++x)
      if (bitmap.pixel(x, y) == transparent) bitmap.setPixel(x, y, qRgba(0, 0, 0, 0));
  const int glyphWidth = bitmap.width() / numGlyphs;
  QIcon icon;
  icon.addPixmap(QPixmap::fromImage(bitmap.copy(0, 0, glyphWidth, bitmap.height())), QIcon::Normal);
  if (numGlyphs >= 2)
    icon.addPixmap(QPixmap::fromImage(bitmap.copy(glyphWidth, 0, glyphWidth, bitmap.height())),
                   QIcon::Disabled);
  setIcon(icon);
  setIconSize(QSize(glyphWidth, bitmap.height()));
}

// ---- TUpDown ------------------------------------------------------------------------------

TUpDown::TUpDown(QWidget* parent)
    : QWidget(parent), FUp(new QToolButton(this)), FDown(new QToolButton(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  for (QToolButton* button : {FUp, FDown}) {
    button->setArrowType(button == FUp ? Qt::UpArrow : Qt::DownArrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    layout->addWidget(button);
  }
  connect(FUp, &QToolButton::clicked, this, [this] { Step(+1); });
  connect(FDown, &QToolButton::clicked, this, [this] { Step(-1); });
  resize(16, 21);
}

void TUpDown::SetMin(int value) {
  FMin = value;
  SetPosition(FPosition);
}

void TUpDown::SetMax(int value) {
  FMax = value;
  SetPosition(FPosition);
}

void TUpDown::SetPosition(int value) {
  FPosition = std::max(FMin, std::min(value, FMax));
  if (FAssociate)
    FAssociate->setText(
        QString::fromStdString(ShapeDigits(std::to_string(FPosition), FDigitShape)));
}

void TUpDown::SetDigitShape(TDigitShape value) {
  FDigitShape = value;
  SetPosition(FPosition);
}

void TUpDown::Step(int delta) { SetPosition(FPosition + delta); }

void TUpDown::SetAssociate(QLineEdit* edit) {
  if (FAssociate && FAssociate != edit) FAssociate->removeEventFilter(this);
  FAssociate = edit;
  if (!edit) return;
  edit->installEventFilter(this);
  // Not a QPointer: the filter still sees events of the edit while it is
  // being destroyed, when QPointer's cast to QLineEdit is no longer valid.
  connect(edit, &QObject::destroyed, this, [this, edit] {
    if (FAssociate == edit) FAssociate = nullptr;
  });
  setGeometry(edit->x() + edit->width(), edit->y(), width(), edit->height());
  SetPosition(FPosition);
}

bool TUpDown::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FAssociate && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      Step(key == Qt::Key_Up ? +1 : -1);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

// ---- Menus ----------------------------------------------------------------------------------

TMenuItem::TMenuItem(QObject* owner) : QAction(owner) {
  connect(this, &QAction::triggered, this, [this] {
    if (OnClick) OnClick(this);
  });
}

TMenuItem* TPopupMenu::AddItem(const std::string& caption, int tag, TNotifyEvent onClick,
                               QObject* owner) {
  auto* item = new TMenuItem(owner ? owner : this);
  item->SetCaption(caption);
  item->SetTag(tag);
  item->OnClick = std::move(onClick);
  addAction(item);
  return item;
}

int TPopupMenu::Count() const { return static_cast<int>(actions().size()); }

TMenuItem* TPopupMenu::Item(int index) const {
  return qobject_cast<TMenuItem*>(actions().value(index));
}

}  // namespace zar
