#pragma once
// A field's alignment as Qt aligns text, vertically centred as in a
// single-line cell; shared by the bound edit and the grid's model.

#include <Qt>

#include "Alignment.h"

namespace zar {

inline Qt::Alignment ToQt(TAlignment alignment) {
  switch (alignment) {
    case taRightJustify: return Qt::AlignRight | Qt::AlignVCenter;
    case taCenter: return Qt::AlignHCenter | Qt::AlignVCenter;
    case taLeftJustify: break;
  }
  return Qt::AlignLeft | Qt::AlignVCenter;
}

}  // namespace zar
