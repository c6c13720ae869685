#pragma once
// Filter expressions: comparisons of a field with a literal (=, <>, <, >, <=,
// >=), IS NULL, IS NOT NULL, AND, OR, NOT and parentheses. Field names are
// plain or in brackets; literals are single-quoted texts (a quote doubled
// inside) or plain numbers, converted by the field's type (dates and times
// with the host's Gregorian parsers and short date format). A comparison
// with a null value is unknown, as in SQL: NOT keeps it unknown, and only
// records for which the whole expression is true pass.

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "DBRecords.h"

namespace zar {

class TFilterExpression {
 public:
  // Raises EDatabaseError naming the filter and what is wrong.
  TFilterExpression(std::string_view Text, const TRecordLayout& Layout);
  ~TFilterExpression();
  bool Matches(const std::byte* Row) const;

  struct TNode;

 private:
  const TRecordLayout& FLayout;
  std::vector<TNode> FNodes;
  std::size_t FRoot = 0;
};

}  // namespace zar
