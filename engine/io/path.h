#pragma once
#include "engine/core/text.h"

namespace wispwood {

// Backslashes become "/", and a trailing "/" is removed except for a root.
Text NormalisePath(const Text& path);

// The path of an existing file or folder that matches the given one without
// regard to letter case, resolved component by component; data written for
// case-insensitive systems mixes "media/Load" with "media\load". A path that
// exists exactly is returned unchanged; one with no match is returned
// normalised, so the caller's operation fails as it would have.
Text ResolvePathCase(const Text& path);

// The file name after the last "/" (after normalising).
Text FileNamePart(const Text& path);
// The folder before the last "/"; "" for a bare name, "/" for the root.
Text DirectoryPart(const Text& path);

} // namespace wispwood
