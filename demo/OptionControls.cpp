#include "OptionControls.h"

#include <QFontDatabase>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "DatePicker.h"
#include "DemoFonts.h"
#include "ExerciseControls.h"
#include "GregorianDates.h"
#include "ZarApplication.h"
#include "ZarDateUtils.h"

namespace zar::demo {

TRadioGroup::TRadioGroup(const QString& Caption, const QStringList& Items, QWidget* parent)
    : QGroupBox(Caption, parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 2, 8, 2);
  layout->setSpacing(0);
  for (const QString& text : Items) {
    auto* item = new QRadioButton(text, this);
    layout->addWidget(item);
    FItems.push_back(item);
    connect(item, &QRadioButton::toggled, this, [this](bool on) {
      if (on && OnClick) GuardedCall(OnClick);
    });
  }
}

int TRadioGroup::ItemIndex() const {
  for (std::size_t i = 0; i < FItems.size(); ++i)
    if (FItems[i]->isChecked()) return static_cast<int>(i);
  return -1;
}

void TRadioGroup::SetItemIndex(int Index) { FItems.at(Index)->setChecked(true); }

QCheckBox* AddOptionCheckBox(QWidget* Page, const char* Name, const QString& Caption, bool Checked,
                             QRect Bounds, std::function<void(bool)> OnClick, const QString& Hint) {
  auto* box = new QCheckBox(Caption, Page);
  box->setObjectName(Name);
  box->setGeometry(Bounds);
  box->setChecked(Checked);
  box->setToolTip(Hint);
  QObject::connect(box, &QCheckBox::toggled, box,
                   [run = std::move(OnClick)](bool on) { GuardedCall([&] { run(on); }); });
  return box;
}

namespace {

// A disabled, borderless, plain-text box; it keeps its text colour while
// disabled, as the program's help tables do.
QPlainTextEdit* AddHelpBox(QWidget* Page, const QStringList& Lines, QRect Bounds, QColor Color,
                           Qt::LayoutDirection Direction) {
  auto* box = new QPlainTextEdit(Page);
  box->setGeometry(Bounds);
  box->setFrameShape(QFrame::NoFrame);
  box->setLayoutDirection(Direction);
  box->setLineWrapMode(QPlainTextEdit::NoWrap);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setFont(DesignedFont("Tahoma", 8, false, ChooseFormFamily(QFontDatabase::families())));
  QPalette palette = box->palette();
  for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::Text, Color);
    palette.setColor(group, QPalette::Base, palette.color(QPalette::Active, QPalette::Base));
  }
  box->setPalette(palette);
  box->document()->setDocumentMargin(0);
  box->setPlainText(Lines.join('\n'));
  QTextOption option = box->document()->defaultTextOption();
  option.setTextDirection(Direction);
  option.setAlignment(Direction == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft);
  box->document()->setDefaultTextOption(option);
  box->setEnabled(false);
  return box;
}

}  // namespace

void AddKeyHelpTable(QWidget* Page, const std::vector<std::pair<const char*, const char*>>& Rows,
                     QRect Bounds, int KeysWidth) {
  QStringList keys, meanings;
  for (const auto& [key, meaning] : Rows) {
    keys << QString::fromUtf8(key);
    meanings << QString::fromUtf8(meaning);
  }
  AddHelpBox(Page, keys, QRect(Bounds.left(), Bounds.top(), KeysWidth, Bounds.height()),
             QColor(0, 0, 128), Qt::LeftToRight);
  AddHelpBox(
      Page, meanings,
      QRect(Bounds.left() + KeysWidth, Bounds.top(), Bounds.width() - KeysWidth, Bounds.height()),
      QColor(128, 0, 0), Qt::RightToLeft);
}

std::tuple<TRadioGroup*, TRadioGroup*, TRadioGroup*> AddPickerRadioGroups(QWidget* Page, int X,
                                                                          int Width) {
  auto text = [](const char* utf8) { return QString::fromUtf8(utf8); };
  auto* kind = new TRadioGroup(text("نوع انتخابگر"),
                               {text("تاريخ"), text("زمان"), text("تاريخ/زمان")}, Page);
  kind->setGeometry(X, 8, Width, 78);
  auto* calendar = new TRadioGroup(text("تقويم"), {text("جلالي"), text("ميلادي")}, Page);
  calendar->setGeometry(X, 94, Width, 58);
  auto* direction =
      new TRadioGroup(text("جهت حرکت خودکار"), {text("روز به سال"), text("سال به روز")}, Page);
  direction->setGeometry(X, 160, Width, 58);
  for (TRadioGroup* group : {kind, calendar, direction}) group->SetItemIndex(0);
  return {kind, calendar, direction};
}

int AddPickerPropertyCheckBoxes(QWidget* Page, TCustomZarDatePicker* Picker,
                                const std::array<const char*, 7>& Names, const char* SwitchHint,
                                QRect First, int Step) {
  struct TOption {
    const char* Caption;
    bool Checked;
    void (TCustomZarDatePicker::*Set)(bool);
    const char* Hint;
  };
  const TOption options[] = {
      {"زمان 12 ساعتي", false, &TCustomZarDatePicker::SetUse12HourClock, ""},
      {"حرکت خودکار", true, &TCustomZarDatePicker::SetAutoMove, ""},
      {"اجازه تغيير تقويم", true, &TCustomZarDatePicker::SetAllowCalendarSwitch, SwitchHint},
      {"برجسته کردن مقدار ضروري", true, &TCustomZarDatePicker::SetHighlightRequired,
       "با انتخاب اين ويژگي، در صورت خالي بودن نقطه چين قرمز رسم ميشود"},
      {"اجازه مقدار خالي", true, &TCustomZarDatePicker::SetAllowNull, ""},
      {"نمايش ثانيه", false, &TCustomZarDatePicker::SetShowSecond, ""},
      {"تعداد رقمهاي سال هوشمند", true, &TCustomZarDatePicker::SetIntelliYearDigits,
       "با انتخاب اين ويژگي، 2 رقمي يا 4 رقمي گرفتن سال از کاربر به طور هوشمند تعيين ميشود."},
  };
  static_assert(sizeof(options) / sizeof(TOption) == 7, "one option for each name");
  QRect bounds = First;
  for (std::size_t i = 0; i < Names.size(); ++i) {
    const TOption& o = options[i];
    // Tool tips break lines at LF; the program's hints keep CR LF.
    AddOptionCheckBox(
        Page, Names[i], QString::fromUtf8(o.Caption), o.Checked, bounds,
        [Picker, set = o.Set](bool on) { (Picker->*set)(on); },
        QString::fromUtf8(o.Hint).remove(QChar('\r')));
    bounds.translate(0, Step);
  }
  return bounds.top();
}

void ShowPickerValue(TCustomZarDatePicker* Picker, QLineEdit* Solar, QLineEdit* Gregorian) {
  if (Picker->IsNull()) {
    Solar->setText(QString::fromUtf8("تاريخي انتخاب نشده است"));
    Gregorian->clear();
    return;
  }
  const char* pattern = "dddd, d mmmm yyyy";
  if (Picker->Kind() == dtkTime) pattern = "hh:nn:ss";
  if (Picker->Kind() == dtkDateTime) pattern = "dddd, d mmmm yyyy - hh:nn:ss";
  Picker->SetHint(pattern);
  const TDateTime value = Picker->DateTime();
  ShowResult(Solar, ZarFormatDateTime(pattern, value));
  ShowResult(Gregorian, FormatDateTime(pattern, value));
}

}  // namespace zar::demo
