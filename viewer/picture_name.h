#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace viewer {

// Resolves the src of a picture to a file path in Windows form (backslashes):
// spaces trimmed; network addresses ("x://...", except file://) give nothing; "%XX" escapes
// replaced (bytes from 0x80 up as Windows-1251); names with "/" lose a leading "file:///",
// "file://" or "file:/" and have "|" made ":" and "/" made "\"; names with a drive or starting
// with "\" are kept; anything else is taken relative to baseFolder (empty: the working
// directory, the name stays relative).
std::optional<std::string> resolvePictureName(std::string_view src, std::string_view baseFolder);

// A path in Windows form as the platform opens it.
std::string toLocalPath(std::string_view windowsPath);

// The folder part of a file name, without its separator; empty when it has none.
std::string folderOf(std::string_view fileName);

// The part of a file name before any "#".
std::string_view withoutFragment(std::string_view fileName);

} // namespace viewer
