#pragma once
// Writing a file so that a failed write never destroys the file already there.

#include <string>
#include <string_view>
#include <system_error>

namespace dorvex::io {

// Writes `bytes` to a temporary file in the folder of `path` and renames it over
// `path`. On failure the previous file is untouched, the temporary file removed,
// and the error returned; an empty error_code means success.
std::error_code WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace dorvex::io
