#include "DemoFonts.h"

namespace zar::demo {

QString ChooseFormFamily(const QStringList& InstalledFamilies) {
  static const char* const Chain[] = {DesignedFormFamily, "Tahoma", "Nazli", "Noto Sans Arabic"};
  for (const char* family : Chain)
    if (InstalledFamilies.contains(family, Qt::CaseInsensitive)) return family;
  return "MS Sans Serif";
}

QFont DesignedFont(const QString& Family, int PointSize, bool Bold, const QString& FormFamily) {
  QFont font;
  font.setFamilies({Family, FormFamily});
  font.setPointSize(PointSize);
  font.setBold(Bold);
  return font;
}

}  // namespace zar::demo
