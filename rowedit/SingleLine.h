#pragma once

#include <QString>

// A single-line text takes a pasted line break as a space: each break (CR LF, CR or LF) becomes
// one, so nothing of the text is lost and no line is split.
QString withoutLineBreaks(QString text);
