// Defining mode of the family tables: an NW_FUNCTION row becomes the
// exported function it describes, returning the row's expression.
//   NW_FUNCTION(result, Name, (parameters), expression)
#pragma once

#include "nordwisp/NordwispDEVMODE.h"

#define NW_FUNCTION(result, name, parameters, ...) \
    extern "C" result NW_API name parameters noexcept { return __VA_ARGS__; }
