#include "DemoApplication.h"

#include <QMessageBox>
#include <exception>
#include <iostream>

namespace zar::demo {

namespace {

bool GUnattended = false;

void ShowExceptionMessage(const char* Message) {
  if (GUnattended || !QApplication::activeWindow()) {
    std::cerr << Message << '\n';
    return;
  }
  QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(),
                        QString::fromUtf8(Message));
}

}  // namespace

void SetUnattended(bool Unattended) { GUnattended = Unattended; }

void RunHandler(const std::function<void()>& Handler) {
  try {
    Handler();
  } catch (const std::exception& e) {
    ShowExceptionMessage(e.what());
  }
}

}  // namespace zar::demo
