#include "Source/entities/command_arg.h"

#include "Library/core/maths.h"

#include <climits>

CommandArg::CommandArg(float number)
    : m_number(number), m_value(ToIntWithin(number, INT_MIN, INT_MAX)) {}
