#pragma once
// Fonts of the main window. The form is designed in "Microsoft Sans Serif";
// where that is missing, the first installed family of a fallback chain
// takes its place. The chain puts fonts with Persian glyphs before the last
// resort so that Persian text is always shaped; Nazli comes first among them
// because its line height is close to the designed font's, which the fixed
// label heights of the window assume.

#include <QFont>
#include <QString>
#include <QStringList>

namespace zar::demo {

inline constexpr const char* DesignedFormFamily = "Microsoft Sans Serif";

// The family the form uses, given the installed families.
QString ChooseFormFamily(const QStringList& InstalledFamilies);

// A font of the designed family Family, falling back to the form's family
// for the characters Family lacks or when it is not installed.
QFont DesignedFont(const QString& Family, int PointSize, bool Bold, const QString& FormFamily);

}  // namespace zar::demo
