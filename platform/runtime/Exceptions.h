#pragma once
// The exception hierarchy shared by the core, the runtime, the dataset layer
// and the controls. Every class carries its formatted message.

#include <exception>
#include <string>

namespace zar {

class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : FMessage(std::move(message)) {}
  const std::string& Message() const noexcept { return FMessage; }
  void SetMessage(std::string message) { FMessage = std::move(message); }
  const char* what() const noexcept override { return FMessage.c_str(); }

 private:
  std::string FMessage;
};

// Conversion errors of the runtime and of the calendar core.
class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

// A value outside a control's minimum or maximum.
class EZarDateTimeError : public Exception {
 public:
  using Exception::Exception;
};

// Month calendar cell mapping and inconsistent limits.
class ECustomCalendarError : public Exception {
 public:
  using Exception::Exception;
};

// Month calendar day numbers and date texts.
class EMonthCalError : public Exception {
 public:
  using Exception::Exception;
};

// A working-time range that ends before it starts or overlaps another.
class EInvalidTimeRange : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace zar
