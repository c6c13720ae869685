#pragma once
// TApplication: the application object of programs built on the controls,
// with the default exception handler. An exception that escapes an event
// handler (a key, mouse, paint or timer handler, a control's event) ends
// that handler only: its message is shown in a message box, or written to
// stderr when nobody is watching, and the event loop carries on.
//
// It also delivers the cancel-mode notification (TCancelModeReceiver) to
// the focused widget when the mouse is pressed on another widget (a press
// inside a popup window the focused widget owns does not count).

#include <QApplication>
#include <exception>
#include <functional>
#include <string>

namespace zar {

class TApplication : public QApplication {
  Q_OBJECT

 public:
  // As QApplication(argc, argv): argc and argv must outlive the application.
  TApplication(int& argc, char** argv);

  // The running TApplication, or nullptr when the application object is
  // some other QApplication (or none exists).
  static TApplication* Instance();

  // When set, messages go to stderr instead of a message box, so that an
  // unattended run (screenshots, tests) never waits for a person.
  bool Unattended() const { return FUnattended; }
  void SetUnattended(bool value) { FUnattended = value; }

  // Replaces the default display of a handled exception's message; what it
  // raises reaches the caller of HandleException.
  std::function<void(const std::string& Message)> OnException;

  // Shows the message of the exception in error (not null) as the default
  // handler does: OnException when set, else stderr when Unattended, else a
  // modal message box over the active window, if any.
  void HandleException(std::exception_ptr error);

  // Delivers the event as QApplication does, first telling the focused widget
  // of a press elsewhere (CancelMode); an exception from either goes to
  // HandleException and the result is then false.
  bool notify(QObject* receiver, QEvent* event) override;

 private:
  void ShowMessage(const std::string& message);

  bool FUnattended = false;
};

// The message of an exception (error not null): what() of a std::exception
// (zar::Exception included), "Unknown exception" for anything else.
std::string ExceptionMessage(std::exception_ptr error);

// Runs action; an exception it raises goes to the default handler instead
// of further up. For code that runs outside an event handler's call chain.
// Without a TApplication the message goes to stderr. Raises nothing beyond
// what OnException raises and std::bad_alloc.
void GuardedCall(const std::function<void()>& action);

}  // namespace zar
