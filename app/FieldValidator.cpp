#include "FieldValidator.h"

#include "Cp1250.h"
#include "SingleLine.h"

QValidator::State FieldValidator::validate(QString& input, int&) const {
    input = withoutLineBreaks(input);
    return cp1250::representable(input) ? Acceptable : Invalid;
}
