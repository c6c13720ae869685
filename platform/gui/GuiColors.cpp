#include "GuiColors.h"

#include <QGuiApplication>
#include <QPalette>

namespace zar {

namespace {

struct SystemRole {
  int index;
  QPalette::ColorGroup group;
  QPalette::ColorRole role;
};

// Each system colour stands for the palette role that plays its part in
// a Qt style; captions use the selection colours, as the active window's
// title would.
constexpr SystemRole kSystemRoles[] = {
    {COLOR_SCROLLBAR, QPalette::Active, QPalette::Mid},
    {COLOR_BACKGROUND, QPalette::Active, QPalette::Window},
    {COLOR_ACTIVECAPTION, QPalette::Active, QPalette::Highlight},
    {COLOR_INACTIVECAPTION, QPalette::Inactive, QPalette::Mid},
    {COLOR_MENU, QPalette::Active, QPalette::Window},
    {COLOR_WINDOW, QPalette::Active, QPalette::Base},
    {COLOR_WINDOWFRAME, QPalette::Active, QPalette::Shadow},
    {COLOR_MENUTEXT, QPalette::Active, QPalette::WindowText},
    {COLOR_WINDOWTEXT, QPalette::Active, QPalette::Text},
    {COLOR_CAPTIONTEXT, QPalette::Active, QPalette::HighlightedText},
    {COLOR_ACTIVEBORDER, QPalette::Active, QPalette::Window},
    {COLOR_INACTIVEBORDER, QPalette::Inactive, QPalette::Window},
    {COLOR_APPWORKSPACE, QPalette::Active, QPalette::Dark},
    {COLOR_HIGHLIGHT, QPalette::Active, QPalette::Highlight},
    {COLOR_HIGHLIGHTTEXT, QPalette::Active, QPalette::HighlightedText},
    {COLOR_BTNFACE, QPalette::Active, QPalette::Button},
    {COLOR_BTNSHADOW, QPalette::Active, QPalette::Dark},
    {COLOR_GRAYTEXT, QPalette::Disabled, QPalette::Text},
    {COLOR_BTNTEXT, QPalette::Active, QPalette::ButtonText},
    {COLOR_INACTIVECAPTIONTEXT, QPalette::Disabled, QPalette::WindowText},
    {COLOR_BTNHIGHLIGHT, QPalette::Active, QPalette::Light},
    {COLOR_3DDKSHADOW, QPalette::Active, QPalette::Shadow},
    {COLOR_3DLIGHT, QPalette::Active, QPalette::Midlight},
    {COLOR_INFOTEXT, QPalette::Active, QPalette::ToolTipText},
    {COLOR_INFOBK, QPalette::Active, QPalette::ToolTipBase},
    {COLOR_HOTLIGHT, QPalette::Active, QPalette::Link},
};

}  // namespace

QColor ColorToQColor(TColor color, const QPalette& palette) {
  if (color == clNone) return QColor(Qt::transparent);
  const auto bits = static_cast<std::uint32_t>(color);
  if (IsSystemColor(color)) {
    const int index = static_cast<int>(bits & 0xFF);
    for (const SystemRole& r : kSystemRoles)
      if (r.index == index) return palette.color(r.group, r.role);
    return palette.color(QPalette::Active, QPalette::Text);
  }
  return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                static_cast<int>((bits >> 16) & 0xFF));
}

QColor ColorToQColor(TColor color) { return ColorToQColor(color, QGuiApplication::palette()); }

TColor QColorToColor(const QColor& color) noexcept {
  return RGB(color.red(), color.green(), color.blue());
}

}  // namespace zar
