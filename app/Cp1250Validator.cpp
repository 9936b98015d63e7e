#include "Cp1250Validator.h"

#include "Cp1250.h"

QValidator::State Cp1250Validator::validate(QString& input, int&) const {
    return cp1250::representable(input) ? Acceptable : Invalid;
}
