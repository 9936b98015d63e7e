#pragma once

#include "TextOutput.h"

namespace cp1250 {

// The footer of the text output and the printed page as this build was configured. The
// distributor writes the texts in UTF-8; the files are Windows-1250, so an author named with
// Czech letters comes out as such.
io::Footer builtFooter();

} // namespace cp1250
