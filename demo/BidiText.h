#pragma once
// Text that must read left to right whatever the reading order around it:
// the routine names on buttons ("ZarDecodeDate(Date);") and the arrows of
// "< پسين". Qt lays out a button's text in the application's reading order,
// so the text itself carries a left-to-right isolate.

#include <QString>

namespace zar::demo {

inline QString LeftToRight(const QString& Text) {
  return QChar(0x2066) + Text + QChar(0x2069);  // LRI ... PDI
}

}  // namespace zar::demo
