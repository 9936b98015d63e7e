#pragma once

#include "Unit1.h"

#include <memory>

// Everything between initialising the application and running its event loop.

// The title and the icon the desktop shows for the program.
void nameApplication();

// Tells the user what keeps the program from running on this system; false when nothing does.
bool refusedToStart();

// The main window in its design state, shown at the top-left corner.
std::unique_ptr<TForm1> showMainWindow();
