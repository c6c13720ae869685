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
    {syscolor::ScrollBar, QPalette::Active, QPalette::Mid},
    {syscolor::Background, QPalette::Active, QPalette::Window},
    {syscolor::ActiveCaption, QPalette::Active, QPalette::Highlight},
    {syscolor::InactiveCaption, QPalette::Inactive, QPalette::Mid},
    {syscolor::Menu, QPalette::Active, QPalette::Window},
    {syscolor::Window, QPalette::Active, QPalette::Base},
    {syscolor::WindowFrame, QPalette::Active, QPalette::Shadow},
    {syscolor::MenuText, QPalette::Active, QPalette::WindowText},
    {syscolor::WindowText, QPalette::Active, QPalette::Text},
    {syscolor::CaptionText, QPalette::Active, QPalette::HighlightedText},
    {syscolor::ActiveBorder, QPalette::Active, QPalette::Window},
    {syscolor::InactiveBorder, QPalette::Inactive, QPalette::Window},
    {syscolor::AppWorkspace, QPalette::Active, QPalette::Dark},
    {syscolor::Highlight, QPalette::Active, QPalette::Highlight},
    {syscolor::HighlightText, QPalette::Active, QPalette::HighlightedText},
    {syscolor::BtnFace, QPalette::Active, QPalette::Button},
    {syscolor::BtnShadow, QPalette::Active, QPalette::Dark},
    {syscolor::GrayText, QPalette::Disabled, QPalette::Text},
    {syscolor::BtnText, QPalette::Active, QPalette::ButtonText},
    {syscolor::InactiveCaptionText, QPalette::Disabled, QPalette::WindowText},
    {syscolor::BtnHighlight, QPalette::Active, QPalette::Light},
    {syscolor::DarkShadow3D, QPalette::Active, QPalette::Shadow},
    {syscolor::Light3D, QPalette::Active, QPalette::Midlight},
    {syscolor::InfoText, QPalette::Active, QPalette::ToolTipText},
    {syscolor::InfoBk, QPalette::Active, QPalette::ToolTipBase},
    {syscolor::HotLight, QPalette::Active, QPalette::Link},
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
  return Rgb(color.red(), color.green(), color.blue());
}

}  // namespace zar
