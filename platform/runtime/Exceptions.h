#pragma once
// The exception hierarchy shared by the core, the runtime, the dataset layer
// and the controls. Every class carries its formatted message.

#include <exception>
#include <string>

namespace zar {

// Base of the library's errors; Message() and what() give the message.
class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : FMessage(std::move(message)) {}
  const std::string& Message() const noexcept { return FMessage; }
  void SetMessage(std::string message) { FMessage = std::move(message); }
  const char* what() const noexcept override { return FMessage.c_str(); }

 private:
  std::string FMessage;
};

// Conversion errors of the runtime and of the calendar core: invalid date or
// time parts, texts the parsers refuse.
class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

// A value outside a control's minimum or maximum (SZarDateTimeMax, SZarDateTimeMin).
class EZarDateTimeError : public Exception {
 public:
  using Exception::Exception;
};

// Month calendar cell mapping (a cell index beyond 41) and limits that cross.
class ECustomCalendarError : public Exception {
 public:
  using Exception::Exception;
};

// Month calendar day numbers outside 1..31 and dates outside the cells shown.
class EMonthCalError : public Exception {
 public:
  using Exception::Exception;
};

// A working-time range that ends before it starts or overlaps another (raised
// by the demonstration's work calendar, not by the library).
class EInvalidTimeRange : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace zar
