// Print spooler functions of the hosted machine, with their Windows
// signatures, structures and constants.
#pragma once

#include "platform/hosted/win32_registry.h"
