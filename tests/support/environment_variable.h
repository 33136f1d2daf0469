#pragma once
// An environment variable changed for the life of the object: what was
// there before (or its absence) comes back when the object goes.
#include "engine/core/text.h"

namespace wispwood::test {

class SavedEnvironmentVariable {
  public:
    // Remembers the variable; the test may change it meanwhile.
    explicit SavedEnvironmentVariable(const char* name);
    // Remembers the variable, then sets it to the value.
    SavedEnvironmentVariable(const char* name, const Text& value);
    ~SavedEnvironmentVariable();
    SavedEnvironmentVariable(const SavedEnvironmentVariable&) = delete;
    SavedEnvironmentVariable& operator=(const SavedEnvironmentVariable&) = delete;

  private:
    Text name_, old_;
    bool hadValue_ = false;
};

} // namespace wispwood::test
