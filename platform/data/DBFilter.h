#pragma once
// Filter expressions: comparisons of a field with a literal (=, <>, <, >, <=,
// >=), IS NULL, IS NOT NULL, AND, OR, NOT and parentheses. Field names are
// plain or in brackets; literals are single-quoted texts (a quote doubled
// inside) or plain numbers, converted by the field's type (dates and times
// with the host's Gregorian parsers and short date format). A comparison
// with a null value is unknown, as in SQL: NOT keeps it unknown, and only
// records for which the whole expression is true pass. Keywords and field
// names are matched without regard to ASCII case; numbers (and quoted values
// of fields other than strings) may use Persian or Arabic-Indic digits.

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "DBRecords.h"

namespace zar {

class TFilterExpression {
 public:
  // Raises EDatabaseError "Invalid filter '<text>': <what is wrong> at position
  // <n>" (1-based) for bad syntax, an unknown field, a field that cannot be
  // compared or a literal that does not convert; nesting is limited to 200.
  TFilterExpression(std::string_view Text, const TRecordLayout& Layout);
  ~TFilterExpression();
  // True only when the whole expression is true for Row, a record of the layout.
  bool Matches(const std::byte* Row) const;

  struct TNode;

 private:
  const TRecordLayout& FLayout;
  std::vector<TNode> FNodes;
  std::size_t FRoot = 0;
};

}  // namespace zar
