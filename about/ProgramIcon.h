#pragma once

#include <QIcon>

// The program's own icon, drawn from its SVG at the sizes a window, a task bar or the about box
// ask for. Needs a running QGuiApplication.
QIcon programIcon();
