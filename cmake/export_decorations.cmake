# The names Microsoft's C++ compiler gives int __stdcall F(NordwispDEVMODE*,
# int*) and int __stdcall F(NordwispDEVMODE*, int), under which a few
# exports are known; for 32-bit and 64-bit Windows.
set(NW_GETTER_DECORATION_32 "@@YGHPAUNordwispDEVMODE@@PAH@Z")
set(NW_SETTER_DECORATION_32 "@@YGHPAUNordwispDEVMODE@@H@Z")
set(NW_GETTER_DECORATION_64 "@@YAHPEAUNordwispDEVMODE@@PEAH@Z")
set(NW_SETTER_DECORATION_64 "@@YAHPEAUNordwispDEVMODE@@H@Z")
