#pragma once
#include "top/upper.h"
