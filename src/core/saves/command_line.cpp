#include "core/saves/command_line.h"

namespace zorikan {

std::optional<std::string> SavedGameToLoad(const std::vector<std::string>& parameters,
                                           const std::function<bool(const std::string&)>& exists) {
    std::optional<std::string> chosen;
    for (const std::string& parameter : parameters)
        if (!parameter.empty() && exists(parameter)) chosen = parameter;
    return chosen;
}

}  // namespace zorikan
