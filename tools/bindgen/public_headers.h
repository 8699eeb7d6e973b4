/* Every public declaration, for the binding generator's preprocessor run. */
#include "nordwisp/NordwispDEVMODE.h"
#include "nordwisp/NordwispMachine.h"
