#pragma once
// Contact sheets: every picture of the catalogue on a neutral background
// with its name, framed sheets as frame strips, grouped by folder, so that a
// person can review the whole set at a glance.
#include <filesystem>
#include <vector>

#include "tools/mediagen/pictures/catalogue.h"

namespace wispwood::mediagen {

bool WriteContactSheets(const Catalogue& catalogue, const std::vector<Raster>& pictures,
                        const std::filesystem::path& folder);

} // namespace wispwood::mediagen
