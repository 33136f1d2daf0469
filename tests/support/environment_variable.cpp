#include "tests/support/environment_variable.h"
#include <cstdlib>

namespace wispwood::test {

SavedEnvironmentVariable::SavedEnvironmentVariable(const char* name) : name_(name) {
    if (const char* old = std::getenv(name)) {
        hadValue_ = true;
        old_ = old;
    }
}

SavedEnvironmentVariable::SavedEnvironmentVariable(const char* name, const Text& value)
    : SavedEnvironmentVariable(name) {
    setenv(name, value.c_str(), 1);
}

SavedEnvironmentVariable::~SavedEnvironmentVariable() {
    if (hadValue_)
        setenv(name_.c_str(), old_.c_str(), 1);
    else
        unsetenv(name_.c_str());
}

} // namespace wispwood::test
