# Fonts: the three bitmap font folders, rasterised from Debian font packages.
pkg_check_modules(MEDIAGEN_HARFBUZZ REQUIRED IMPORTED_TARGET harfbuzz)
target_link_libraries(mediagen_objects PUBLIC PkgConfig::MEDIAGEN_HARFBUZZ)
mediagen_family(fonts)
