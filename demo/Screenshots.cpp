#include "Screenshots.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <iostream>

#include "MainWindow.h"
#include "PageControl.h"

namespace zar::demo {

bool SaveScreenshots(TForm1& Form, const QString& Directory) {
  if (!QDir().mkpath(Directory)) {
    std::cerr << "Cannot create the directory " << Directory.toStdString() << '\n';
    return false;
  }
  TDemoPageControl* pages = Form.PageControl();
  for (int i = 0; i < pages->count(); ++i) {
    const int tag = pages->PageTag(i);
    Form.ActivatePage(tag);
    QApplication::processEvents();
    const QString file = QDir(Directory).filePath(QString("page-%1.png").arg(tag));
    if (!Form.grab().save(file)) {
      std::cerr << "Cannot write " << file.toStdString() << '\n';
      return false;
    }
  }
  return true;
}

}  // namespace zar::demo
