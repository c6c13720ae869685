#include "ZarDateFields.h"

#include "GregorianDates.h"
#include "ZarDateUtils.h"

namespace zar {

void TZarDateTimeField::GetText(std::string& Text, bool DisplayText) const {
  if (IsNull()) {
    Text.clear();
    return;
  }
  ZarDateTimeToString(Text, TextPattern(DisplayText), AsDateTime());
}

void TZarDateTimeField::SetAsString(std::string_view Value) {
  if (Value.empty()) return Clear();
  switch (DataType()) {
    case ftDate: return SetAsDateTime(ZarStrToDate(Value));
    case ftTime: return SetAsDateTime(StrToTime(Value));
    default: return SetAsDateTime(ZarStrToDateTime(Value));
  }
}

}  // namespace zar
