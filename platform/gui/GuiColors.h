#pragma once
// TColor: a 32-bit colour that is either an RGB value (red in the low byte)
// or, with the high byte 0xFF, a system colour number in the low byte. System
// colours resolve through the Qt palette, so controls follow the style.

#include <QColor>
#include <cstdint>

class QPalette;

namespace zar {

using TColor = std::int32_t;

// The colour of red, green and blue 0..255 (each taken modulo 256).
constexpr TColor Rgb(int r, int g, int b) noexcept {
  return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
// The system colour of number index (see syscolor); only its low byte is kept.
constexpr TColor SystemColor(int index) noexcept {
  return static_cast<TColor>(0xFF000000u | static_cast<std::uint32_t>(index & 0xFF));
}
// True when the high byte is 0xFF (clNone, 0x1F in the high byte, is not).
constexpr bool IsSystemColor(TColor c) noexcept {
  return (static_cast<std::uint32_t>(c) & 0xFF000000u) == 0xFF000000u;
}

// System colour numbers (the low byte of a system TColor). Scoped, because
// <windows.h> defines the COLOR_ names as macros.
namespace syscolor {
inline constexpr int ScrollBar = 0;
inline constexpr int Background = 1;
inline constexpr int ActiveCaption = 2;
inline constexpr int InactiveCaption = 3;
inline constexpr int Menu = 4;
inline constexpr int Window = 5;
inline constexpr int WindowFrame = 6;
inline constexpr int MenuText = 7;
inline constexpr int WindowText = 8;
inline constexpr int CaptionText = 9;
inline constexpr int ActiveBorder = 10;
inline constexpr int InactiveBorder = 11;
inline constexpr int AppWorkspace = 12;
inline constexpr int Highlight = 13;
inline constexpr int HighlightText = 14;
inline constexpr int BtnFace = 15;
inline constexpr int BtnShadow = 16;
inline constexpr int GrayText = 17;
inline constexpr int BtnText = 18;
inline constexpr int InactiveCaptionText = 19;
inline constexpr int BtnHighlight = 20;
inline constexpr int DarkShadow3D = 21;
inline constexpr int Light3D = 22;
inline constexpr int InfoText = 23;
inline constexpr int InfoBk = 24;
inline constexpr int HotLight = 26;
}  // namespace syscolor

inline constexpr TColor clBlack = Rgb(0, 0, 0);
inline constexpr TColor clMaroon = Rgb(128, 0, 0);
inline constexpr TColor clGreen = Rgb(0, 128, 0);
inline constexpr TColor clOlive = Rgb(128, 128, 0);
inline constexpr TColor clNavy = Rgb(0, 0, 128);
inline constexpr TColor clPurple = Rgb(128, 0, 128);
inline constexpr TColor clTeal = Rgb(0, 128, 128);
inline constexpr TColor clGray = Rgb(128, 128, 128);
inline constexpr TColor clSilver = Rgb(192, 192, 192);
inline constexpr TColor clRed = Rgb(255, 0, 0);
inline constexpr TColor clLime = Rgb(0, 255, 0);
inline constexpr TColor clYellow = Rgb(255, 255, 0);
inline constexpr TColor clBlue = Rgb(0, 0, 255);
inline constexpr TColor clFuchsia = Rgb(255, 0, 255);
inline constexpr TColor clAqua = Rgb(0, 255, 255);
inline constexpr TColor clWhite = Rgb(255, 255, 255);
inline constexpr TColor clNone = 0x1FFFFFFF;  // no colour: draws nothing

inline constexpr TColor clScrollBar = SystemColor(syscolor::ScrollBar);
inline constexpr TColor clBackground = SystemColor(syscolor::Background);
inline constexpr TColor clActiveCaption = SystemColor(syscolor::ActiveCaption);
inline constexpr TColor clInactiveCaption = SystemColor(syscolor::InactiveCaption);
inline constexpr TColor clMenu = SystemColor(syscolor::Menu);
inline constexpr TColor clWindow = SystemColor(syscolor::Window);
inline constexpr TColor clWindowFrame = SystemColor(syscolor::WindowFrame);
inline constexpr TColor clMenuText = SystemColor(syscolor::MenuText);
inline constexpr TColor clWindowText = SystemColor(syscolor::WindowText);
inline constexpr TColor clCaptionText = SystemColor(syscolor::CaptionText);
inline constexpr TColor clHighlight = SystemColor(syscolor::Highlight);
inline constexpr TColor clHighlightText = SystemColor(syscolor::HighlightText);
inline constexpr TColor clBtnFace = SystemColor(syscolor::BtnFace);
inline constexpr TColor clBtnShadow = SystemColor(syscolor::BtnShadow);
inline constexpr TColor clGrayText = SystemColor(syscolor::GrayText);
inline constexpr TColor clBtnText = SystemColor(syscolor::BtnText);
inline constexpr TColor clInactiveCaptionText = SystemColor(syscolor::InactiveCaptionText);
inline constexpr TColor clBtnHighlight = SystemColor(syscolor::BtnHighlight);
inline constexpr TColor clInfoText = SystemColor(syscolor::InfoText);
inline constexpr TColor clInfoBk = SystemColor(syscolor::InfoBk);
inline constexpr TColor clHotLight = SystemColor(syscolor::HotLight);

// The colour to paint with; never raises. System colours come from the
// palette (the application's when none is given), a number without a role
// (25, 27..255) as the palette's text colour; clNone gives Qt::transparent;
// any other value is RGB from its low three bytes (the high byte ignored).
QColor ColorToQColor(TColor color, const QPalette& palette);
QColor ColorToQColor(TColor color);

// The RGB TColor of a Qt colour's red, green and blue (alpha dropped); never fails.
TColor QColorToColor(const QColor& color) noexcept;

}  // namespace zar
