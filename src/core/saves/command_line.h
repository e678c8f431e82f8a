#pragma once
// "zorikan FILE.zgs": the saved game named on the command line.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zorikan {

// The last parameter that names an existing file; none when no parameter
// does. `parameters` excludes the program's own name.
std::optional<std::string> SavedGameToLoad(const std::vector<std::string>& parameters,
                                           const std::function<bool(const std::string&)>& exists);

}  // namespace zorikan
