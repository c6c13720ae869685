#pragma once
// Renders every page of the main window to Directory/page-<Tag>.png.

#include <QString>

namespace zar::demo {

class TForm1;

// False (after saying why on stderr) when a picture cannot be written.
bool SaveScreenshots(TForm1& Form, const QString& Directory);

}  // namespace zar::demo
