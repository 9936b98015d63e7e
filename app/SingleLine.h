#pragma once

#include <QString>

// Every row and field is one line of the tab file: a line break typed or pasted into one would
// split the file's records. Each break (CR LF, CR or LF) becomes a space instead.
QString withoutLineBreaks(QString text);
