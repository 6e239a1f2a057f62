#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace engine {

// The control of a name in a map keyed by name; a name the window does not have is a
// programming error and throws std::out_of_range.
template <class Map> auto& findControl(Map& controls, std::string_view name) {
    const auto it = controls.find(name);
    if (it == controls.end()) {
        throw std::out_of_range("no control named " + std::string(name));
    }
    return it->second;
}

} // namespace engine
