#pragma once

#include <cstddef>
#include <cstdint>

namespace viewer::fuzz {

// Runs one input through the viewer's load as a page would go: the declared encoding is
// read, the text decoded, the markup read into a tree and the document built; then, if asked,
// laid out as a whole (the builder itself lays out tables of fixed height).
void loadOnce(const std::uint8_t* data, std::size_t size, bool layOut);

} // namespace viewer::fuzz
