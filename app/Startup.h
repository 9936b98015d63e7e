#pragma once

#include "Unit1.h"

#include <memory>

// Everything between initialising the application and running its event loop: the title, the
// main window in its design state, shown at the top-left corner.
std::unique_ptr<TForm1> showMainWindow();
