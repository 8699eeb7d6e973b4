#include <gtest/gtest.h>

#include "nordwisp/NordwispDEVMODE.h"

TEST(LastErrorExport, IsZeroWhenTheLibraryIsLoaded) { EXPECT_EQ(0u, Nordwisp_GetLastError()); }
