#include "support/ScopedVariable.h"

#include <stdlib.h>
#include <time.h>

namespace testing_support {

TScopedVariable::TScopedVariable(std::string name) : Name(std::move(name)) {
  if (const char* value = getenv(Name.c_str())) Saved = value;
}

TScopedVariable::TScopedVariable(std::string name, const std::string& value) : TScopedVariable(std::move(name)) {
  Set(value);
}

TScopedVariable::~TScopedVariable() {
  if (Saved)
    setenv(Name.c_str(), Saved->c_str(), 1);
  else
    unsetenv(Name.c_str());
  Changed();
}

void TScopedVariable::Set(const std::string& value) {
  setenv(Name.c_str(), value.c_str(), 1);
  Changed();
}

void TScopedVariable::Unset() {
  unsetenv(Name.c_str());
  Changed();
}

void TScopedVariable::Changed() {
  if (Name == "TZ") tzset();
}

}  // namespace testing_support
