#include "tests/support/user_folder.h"
#include <cstdlib>

namespace wispwood::test {

UserFolder::UserFolder() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME")) {
        hadXdg_ = true;
        oldXdg_ = xdg;
    }
    if (const char* home = std::getenv("HOME")) {
        hadHome_ = true;
        oldHome_ = home;
    }
    setenv("XDG_DATA_HOME", dir_.Path().c_str(), 1);
}

UserFolder::~UserFolder() {
    if (hadXdg_)
        setenv("XDG_DATA_HOME", oldXdg_.c_str(), 1);
    else
        unsetenv("XDG_DATA_HOME");
    if (hadHome_)
        setenv("HOME", oldHome_.c_str(), 1);
    else
        unsetenv("HOME");
}

} // namespace wispwood::test
