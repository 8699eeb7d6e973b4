// Prelude for listing exports: a family table preprocessed with these
// definitions yields its export names, which the build turns into the
// Windows .def list and the Linux version script. A table's row macros
// default to these when the including file defines nothing else.
#define NW_EXPORT_NAME(name) name
// Exported by the Windows DLLs only under the name Microsoft's C++ compiler
// gives int __stdcall F(NordwispDEVMODE*, int*) or F(NordwispDEVMODE*, int).
#define NW_DECORATED_GETTER(name) decorated_getter name
#define NW_DECORATED_SETTER(name) decorated_setter name
// The generic row of a family whose exports differ in shape.
#define NW_FUNCTION(result, name, parameters, ...) NW_EXPORT_NAME(name)
