#pragma once
#include "bottom/lower.h"
