#pragma once
// The few ordinary controls that the components build from: a plain panel,
// a label with a mouse-down event, a speed button with a two-state glyph
// from a bitmap, an up-down spin for an edit, and a popup menu of tagged
// items. Everything else (edits, check boxes, combo boxes, page stacks,
// message boxes) is Qt's own widget.

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QWidget>
#include <string>

#include "DigitShapes.h"
#include "GuiColors.h"
#include "GuiTypes.h"

namespace zar {

enum TAnchorKind : std::uint8_t { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;

// Keeps control's distances to the named edges of its parent as they are
// now when the parent is resized: anchored to left and right it stretches,
// to the right alone it moves. [akLeft, akTop] leaves it where it is.
// control is not null; the anchors replace those set before, and a control
// without a parent keeps none. Only the parent of the call is watched.
void SetAnchors(QWidget* control, TAnchors anchors);

enum TAlign : std::uint8_t { alNone, alTop };

// A panel without bevels, filled with Color; it keeps mouse presses to
// itself. With alTop it spans the top of its parent's client area and
// follows the parent's width.
class TPanel : public QWidget {
  Q_OBJECT

 public:
  // clBtnFace, alNone.
  explicit TPanel(QWidget* parent = nullptr);

  // Any TColor, resolved through the panel's palette when set.
  TColor Color() const { return FColor; }
  void SetColor(TColor value);
  // alTop places the panel across the top of the parent's contents now (its
  // height kept) and anchors it left, top and right; alNone drops the
  // anchors and leaves it where it is. Without a parent any value acts as
  // alNone, the value being kept.
  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign value);

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  TColor FColor = clBtnFace;
  TAlign FAlign = alNone;
};

// A label whose text colour is a TColor and whose presses raise
// OnMouseDown (X and Y in the label's coordinates).
class TLabel : public QLabel {
  Q_OBJECT

 public:
  // Text in clWindowText.
  explicit TLabel(QWidget* parent = nullptr);

  // UTF-8; shown as QLabel shows it (text that looks like HTML is rich text).
  std::string Caption() const { return text().toStdString(); }
  void SetCaption(const std::string& value) { setText(QString::fromStdString(value)); }
  // Any TColor, resolved through the label's palette when set.
  TColor FontColor() const { return FFontColor; }
  void SetFontColor(TColor value);

  // Presses of the left, right and middle buttons; other buttons pass to the parent.
  TMouseEvent OnMouseDown;

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  TColor FFontColor = clWindowText;
};

// A push button showing a glyph; OnClick fires once per click (no repeat).
class TSpeedButton : public QToolButton {
  Q_OBJECT

 public:
  // Icon only, never takes the focus.
  explicit TSpeedButton(QWidget* parent = nullptr);

  // Loads a bitmap (a Qt resource path such as ":/name.bmp", or a file)
  // holding numGlyphs glyphs side by side: the first for the enabled
  // button, the second for the disabled one, any further ones unused; each is
  // width / numGlyphs pixels wide. The colour of the bottom-left pixel is
  // transparent. Raises zar::Exception "Cannot load bitmap <path>" when the
  // bitmap cannot be read or numGlyphs is below 1, otherwise as the one below.
  void SetGlyph(const QString& bitmapPath, int numGlyphs);
  // The same from a bitmap in memory; raises zar::Exception for a null
  // bitmap, numGlyphs below 1 or fewer pixels across than glyphs.
  void SetGlyph(const QImage& bitmap, int numGlyphs);
  // A flat button shows its frame only while the pointer is over it.
  bool Flat() const { return autoRaise(); }
  void SetFlat(bool value) { setAutoRaise(value); }

  TNotifyEvent OnClick;
};

// Up and down arrows that step Position within Min..Max and write it, as
// plain decimal digits of DigitShape, into the associated edit, placed against the edit's
// right edge. The Up and Down keys in the edit step it too.
class TUpDown : public QWidget {
  Q_OBJECT

 public:
  // Min 0, Max 100, Position 0, Latin digits, 16 x 21 pixels, no edit.
  explicit TUpDown(QWidget* parent = nullptr);

  // These four setters take any value and never raise; each puts Position
  // back within Min..Max (Min when Min exceeds Max) and writes it into the
  // edit, changed or not. There is no change event; the arrows auto-repeat.
  int Min() const { return FMin; }
  void SetMin(int value);
  int Max() const { return FMax; }
  void SetMax(int value);
  int Position() const { return FPosition; }
  void SetPosition(int value);
  TDigitShape DigitShape() const { return FDigitShape; }
  void SetDigitShape(TDigitShape value);
  // The edit written to and watched for Up and Down (which it then no longer
  // sees); null for none, and null again once the edit is destroyed. The
  // up-down is placed from the edit's geometry, just right of it and as tall,
  // so the two share a parent.
  QLineEdit* Associate() const { return FAssociate; }
  // Also places the up-down against the edit again.
  void SetAssociate(QLineEdit* edit);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Step(int delta);

  QToolButton* FUp;
  QToolButton* FDown;
  QLineEdit* FAssociate = nullptr;  // set null when the edit is destroyed first
  int FMin = 0;
  int FMax = 100;
  int FPosition = 0;
  TDigitShape FDigitShape = dgLatin;
};

// A menu entry with a caption and a number for the application's use.
class TMenuItem : public QAction {
  Q_OBJECT

 public:
  // No caption, Tag 0.
  explicit TMenuItem(QObject* owner = nullptr);

  // UTF-8; '&' marks the mnemonic letter, as in any QAction.
  std::string Caption() const { return text().toStdString(); }
  void SetCaption(const std::string& value) { setText(QString::fromStdString(value)); }
  // Any value; the item does nothing with it.
  int Tag() const { return FTag; }
  void SetTag(int value) { FTag = value; }

  // When the item is triggered (chosen in a menu, or trigger()).
  TNotifyEvent OnClick;  // Sender is the item

 private:
  int FTag = 0;
};

// A popup menu of TMenuItem entries.
class TPopupMenu : public QMenu {
  Q_OBJECT

 public:
  explicit TPopupMenu(QWidget* parent = nullptr) : QMenu(parent) {}

  // Adds an item owned by owner (the menu when null) at the end; never null.
  TMenuItem* AddItem(const std::string& caption, int tag, TNotifyEvent onClick,
                     QObject* owner = nullptr);
  // The menu's actions, separators and other QActions included.
  int Count() const;
  // The action at index 0..Count-1 when it is a TMenuItem; nullptr otherwise.
  TMenuItem* Item(int index) const;
  // Shows the menu at a screen point and returns at once; an item's OnClick
  // runs when it is chosen.
  void Popup(int X, int Y) { popup(QPoint(X, Y)); }
};

}  // namespace zar
