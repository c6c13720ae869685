#pragma once
// Where the demonstration meets the application object: the class it runs
// on and the default handling of an exception that escapes an event handler
// (its message is shown and the rest of that handler is abandoned).

#include <QApplication>
#include <functional>

namespace zar::demo {

using TDemoApplication = QApplication;

// Runs Handler; an exception escaping it goes to the default handler.
void RunHandler(const std::function<void()>& Handler);

// With nobody watching (screenshots), messages go to stderr instead of a
// message box, so that nothing waits for a person.
void SetUnattended(bool Unattended);

}  // namespace zar::demo
