// The library's exports looked up by name, as the catalog names them: the
// tool's one door to settings it has no code of its own for.
#pragma once

namespace nwtool {

// The export's address in the loaded library, or null when it has none. A
// decorated export is one of the (record, int*) getters and (record, int)
// setters that the Windows DLL exports under the names Microsoft's C++
// compiler gives them.
void* FindExport(const char* name, bool decorated = false);

// The export as a function of the given type, or null.
template <typename Function>
Function ExportAs(const char* name, bool decorated = false) {
    return reinterpret_cast<Function>(FindExport(name, decorated));
}

}  // namespace nwtool
