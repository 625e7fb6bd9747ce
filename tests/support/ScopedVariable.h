// An environment variable changed for the lifetime of this object, then put back as it
// was (unset again if it was unset). Time-zone changes take effect at once.
#pragma once

#include <optional>
#include <string>

namespace testing_support {

class TScopedVariable {
 public:
  explicit TScopedVariable(std::string name);
  TScopedVariable(std::string name, const std::string& value);
  ~TScopedVariable();
  TScopedVariable(const TScopedVariable&) = delete;
  TScopedVariable& operator=(const TScopedVariable&) = delete;

  void Set(const std::string& value);
  void Unset();

 private:
  void Changed();
  std::string Name;
  std::optional<std::string> Saved;
};

}  // namespace testing_support
