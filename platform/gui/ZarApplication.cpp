#include "ZarApplication.h"

#include <QMessageBox>
#include <QWidget>
#include <cstdio>

#include "GuiTypes.h"

namespace zar {

namespace {

// A press inside a popup window that the focused widget owns (its drop-down)
// is part of the focused widget's own gesture, not a press elsewhere.
bool InOwnedPopup(const QWidget* focused, const QWidget* pressed) {
  if (pressed->window() == focused->window()) return false;
  for (const QWidget* w = pressed; w; w = w->parentWidget())
    if (w == focused) return true;
  return false;
}

}  // namespace

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

TApplication* TApplication::Instance() {
  return qobject_cast<TApplication*>(QCoreApplication::instance());
}

std::string ExceptionMessage(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return "Unknown exception";
  }
}

void TApplication::HandleException(std::exception_ptr error) {
  ShowMessage(ExceptionMessage(error));
}

void TApplication::ShowMessage(const std::string& message) {
  if (OnException) {
    OnException(message);
  } else if (FUnattended) {
    std::fprintf(stderr, "%s\n", message.c_str());
    std::fflush(stderr);
  } else {
    QMessageBox::critical(activeWindow(), applicationDisplayName(),
                          QString::fromStdString(message));
  }
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  try {
    if (event->type() == QEvent::MouseButtonPress && receiver->isWidgetType()) {
      QWidget* focused = focusWidget();
      auto* target = dynamic_cast<TCancelModeReceiver*>(focused);
      auto* pressed = static_cast<QWidget*>(receiver);
      if (target && focused != receiver && !InOwnedPopup(focused, pressed))
        target->CancelMode(pressed);
    }
    return QApplication::notify(receiver, event);
  } catch (...) {
    HandleException(std::current_exception());
    return false;
  }
}

void GuardedCall(const std::function<void()>& action) {
  try {
    action();
  } catch (...) {
    if (TApplication* app = TApplication::Instance()) {
      app->HandleException(std::current_exception());
    } else {
      std::fprintf(stderr, "%s\n", ExceptionMessage(std::current_exception()).c_str());
    }
  }
}

}  // namespace zar
