// Values of the current row and their conversions.
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <limits>

#include "platform/ado/ADO.h"

namespace bindershelf::ado {

namespace {

std::string TrimBlanks(const std::string& s) {
  std::size_t from = s.find_first_not_of(" \t"), to = s.find_last_not_of(" \t");
  return from == std::string::npos ? std::string() : s.substr(from, to - from + 1);
}

std::string FloatText(double v) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.15g", v);
  return buffer;
}

// A catalog time (days since 30 December 1899, the fraction the time of day whatever the
// sign of the day) as day.month.year hours:minutes:seconds; the time is left out at midnight.
std::string DateTimeText(double v) {
  using namespace std::chrono;
  if (!(std::fabs(v) < 2958466.0)) return FloatText(v);  // beyond the year 9999
  double day = std::trunc(v);
  auto ms = static_cast<int64_t>(std::llround(std::fabs(v - day) * 86400000.0));
  if (ms >= 86400000) ms = 86399999;
  year_month_day date{sys_days{year{1899} / December / 30} + days{static_cast<int64_t>(day)}};
  char buffer[48];
  int n = std::snprintf(buffer, sizeof buffer, "%02u.%02u.%04d", static_cast<unsigned>(date.day()),
                        static_cast<unsigned>(date.month()), static_cast<int>(date.year()));
  int64_t s = ms / 1000;
  if (s > 0)
    std::snprintf(buffer + n, sizeof buffer - static_cast<std::size_t>(n), " %d:%02d:%02d", static_cast<int>(s / 3600),
                  static_cast<int>(s / 60 % 60), static_cast<int>(s % 60));
  return buffer;
}

}  // namespace

TField::TField(std::string name, TFieldType type, std::string table, std::string column)
    : Name(std::move(name)), Type(type), Table(std::move(table)), Column(std::move(column)) {}

std::string TField::AsString() const {
  if (IsNull()) throw EDatabaseError("The field " + Name + " is Null and has no text");
  return DisplayText();
}

std::string TField::DisplayText() const {
  if (const auto* s = std::get_if<std::string>(&Value)) return *s;
  if (const auto* i = std::get_if<int64_t>(&Value)) {
    if (Type == TFieldType::ftBoolean) return *i ? "True" : "False";
    if (Type == TFieldType::ftDateTime) return DateTimeText(static_cast<double>(*i));
    return std::to_string(*i);
  }
  if (const auto* d = std::get_if<double>(&Value)) return Type == TFieldType::ftDateTime ? DateTimeText(*d) : FloatText(*d);
  return "";
}

int64_t TField::AsLargeInt() const {
  if (IsNull()) throw EDatabaseError("The field " + Name + " is Null and has no number");
  if (const auto* i = std::get_if<int64_t>(&Value)) return *i;
  if (const auto* d = std::get_if<double>(&Value)) {
    double r = std::round(*d);
    if (!(r >= -9223372036854775808.0 && r < 9223372036854775808.0))
      throw EDatabaseError("The value of the field " + Name + " is out of the integer range");
    return static_cast<int64_t>(r);
  }
  std::string text = TrimBlanks(std::get<std::string>(Value));
  int64_t n = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
  if (ec != std::errc() || end != text.data() + text.size() || text.empty())
    throw EDatabaseError("\"" + std::get<std::string>(Value) + "\" is not a valid integer value for the field " + Name);
  return n;
}

int32_t TField::AsInteger() const {
  int64_t n = AsLargeInt();
  if (n < std::numeric_limits<int32_t>::min() || n > std::numeric_limits<int32_t>::max())
    throw EDatabaseError("The value " + std::to_string(n) + " of the field " + Name + " is out of the 32-bit range");
  return static_cast<int32_t>(n);
}

double TField::AsFloat() const {
  if (IsNull()) throw EDatabaseError("The field " + Name + " is Null and has no number");
  if (const auto* d = std::get_if<double>(&Value)) return *d;
  if (const auto* i = std::get_if<int64_t>(&Value)) return static_cast<double>(*i);
  std::string text = TrimBlanks(std::get<std::string>(Value));
  double d = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), d);
  if (ec != std::errc() || end != text.data() + text.size() || text.empty())
    throw EDatabaseError("\"" + std::get<std::string>(Value) + "\" is not a valid number for the field " + Name);
  return d;
}

void TField::RequireWritable() const {
  if (Writable) return;
  if (Column.empty()) throw EDatabaseError("The field " + Name + " cannot be changed: it is no column of a table");
  throw EDatabaseError("The field " + Name + " cannot be changed: the dataset is not in edit or insert state");
}

void TField::SetAsString(const std::string& v) {
  RequireWritable();
  Value = v;
  Changed = true;
}

void TField::SetAsInteger(int64_t v) {
  RequireWritable();
  Value = v;
  Changed = true;
}

void TField::SetAsFloat(double v) {
  RequireWritable();
  Value = v;
  Changed = true;
}

void TField::Clear() {
  RequireWritable();
  Value = std::monostate{};
  Changed = true;
}

void TField::SetValue(const TValue& v) {
  RequireWritable();
  Value = v;
  Changed = true;
}

void TField::Load(TValue v) {
  Value = std::move(v);
  Changed = false;
}

}  // namespace bindershelf::ado
