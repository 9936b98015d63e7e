#pragma once

#include "TextOutput.h"

namespace cp1250 {

// The footer of the text output and the printed page from the texts a distributor writes in
// UTF-8: the files are Windows-1250, so an author named with Czech letters comes out as such.
io::Footer footerOf(const char* program, const char* author, const char* email,
                    const char* homePage);

// The footer this build was configured with.
io::Footer builtFooter();

} // namespace cp1250
