#pragma once

namespace korvelin {

// Whether a character takes two columns of the report face: its Unicode East Asian Width is
// W, F or A. The face draws Chinese characters twice as wide as Latin ones.
bool takesTwoColumns(char32_t codePoint);

}  // namespace korvelin
