#pragma once
// The icon sizes, in pixels, of the desktop's hicolor theme; the install
// rules list the same sizes.
#include <string>

namespace wispwood::mediagen {

inline constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// The file under media/icons/ that holds the icon of that size.
std::string IconFileName(int size);

} // namespace wispwood::mediagen
