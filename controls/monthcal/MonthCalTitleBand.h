#pragma once
// TMonthCalTitleBand: the month calendar's title band, a panel over grid
// rows 0 and 1 with the caption (month name and year), a month button at
// each end, the month menu under the month name and the in-place year
// editor with its spin over the year. The band creates, frees and lays out
// these controls; what a press on them means is the calendar's, reached
// through the events it hands over.

#include <functional>
#include <string>

#include "DigitShapes.h"
#include "GuiColors.h"
#include "GuiTypes.h"

class QFont;

namespace zar {

class TCustomControl;
class TLabel;
class TPanel;
class TPopupMenu;
class TSpeedButton;
class TUpDown;
class TYearEdit;

struct TTitleBandEvents {
  TNotifyEvent OnMonthButtonClick;  // Sender: the button pressed
  TMouseEvent OnCaptionMouseDown;   // a press on the caption, in its coordinates
  TNotifyEvent OnMonthMenuClick;    // Sender: the menu item, its Tag the month 1..12
  std::function<void(TObject* Sender, bool Accept)> OnYearEditEnd;
};

// The optional parts of the band.
struct TTitleBandParts {
  bool MonthButtons = false;
  bool MonthMenu = false;
  bool YearEditor = false;
};

class TMonthCalTitleBand {
 public:
  // Owner is the calendar: the panel's parent and the source of the font.
  TMonthCalTitleBand(TCustomControl* Owner, TTitleBandEvents Events);
  // Detaches the controls from the events; the owner's window frees them.
  ~TMonthCalTitleBand();
  TMonthCalTitleBand(const TMonthCalTitleBand&) = delete;
  TMonthCalTitleBand& operator=(const TMonthCalTitleBand&) = delete;

  // ---- The controls (null when absent) -----------------------------------------------------
  TPanel* Panel() const { return FPanel; }
  TLabel* Caption() const { return FCaption; }
  TSpeedButton* LeftMonthButton() const { return FLeftMonthButton; }
  TSpeedButton* RightMonthButton() const { return FRightMonthButton; }
  TPopupMenu* MonthMenu() const { return FMonthMenu; }
  TYearEdit* YearEdit() const { return FYearEdit; }
  TUpDown* YearUpDown() const { return FYearUpDown; }
  // Hot areas of the caption in its own coordinates, set by Layout.
  TRect MonthTextRect() const { return FMonthTextRect; }
  TRect YearTextRect() const { return FYearTextRect; }

  // ---- Creating and freeing ------------------------------------------------------------------
  // Creates the panel and the caption on the first call, then the parts
  // that Parts asks for, and frees the others. Height is the band's height;
  // MonthName(1..12) fills the month menu.
  void Update(TTitleBandParts Parts, int Height, TColor BackColor, TColor TextColor,
              TDigitShape Shape, const std::function<std::string(Word)>& MonthName);

  // ---- Layout --------------------------------------------------------------------------------
  // Places the panel over the owner's client area's first Height pixels.
  void Realign(int Height);
  void SetCaptionText(const std::string& Text);
  // Measures the month and the year of the caption into their hot areas,
  // sizes the year editor on the year and places the caption by Layout.
  // Nothing without the caption.
  void Layout(const std::string& MonthText, const std::string& YearText, TTextLayout Layout);
  // The caption takes the family and size of Font, staying bold.
  void FollowFont(const QFont& Font);

  // ---- Looks ------------------------------------------------------------------------------------
  void SetBackColor(TColor Value);  // the panel, and the year editor's text
  void SetTextColor(TColor Value);  // the caption, and the year editor's background
  void SetDigitShape(TDigitShape Value);
  // Renames the month menu's items by MonthName(1..count).
  void RenameMonths(const std::function<std::string(Word)>& MonthName);

  // ---- The month menu and the year editor --------------------------------------------------
  // Pops the menu up under the month name with Month's item ready for the
  // arrow keys. Nothing without the menu.
  void PopupMonthMenu(Word Month);
  // Pops the menu up under the caption at X in its coordinates.
  void PopupMonthMenuAt(int X);
  // Opens the editor and its spin centred on the year, the spin's range
  // MinYear..MaxYear at Year, and gives it the focus. Nothing without it.
  void ShowYearEditor(int MinYear, int MaxYear, int Year);
  // Accepts and closes an open year editor.
  void CloseYearEditor();

 private:
  TCustomControl* FOwner;
  TTitleBandEvents FEvents;
  TPanel* FPanel = nullptr;
  TLabel* FCaption = nullptr;
  TSpeedButton* FLeftMonthButton = nullptr;
  TSpeedButton* FRightMonthButton = nullptr;
  TPopupMenu* FMonthMenu = nullptr;
  TYearEdit* FYearEdit = nullptr;
  TUpDown* FYearUpDown = nullptr;
  TRect FMonthTextRect;
  TRect FYearTextRect;
};

}  // namespace zar
