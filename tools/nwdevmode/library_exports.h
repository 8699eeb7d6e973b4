// The library's exports looked up by name, as the catalog names them: the
// tool's one door to settings it has no code of its own for.
#pragma once

namespace nwtool {

// The export's address in the loaded library, or null when it has none.
void* FindExport(const char* name);

// The export as a function of the given type, or null.
template <typename Function>
Function ExportAs(const char* name) {
    return reinterpret_cast<Function>(FindExport(name));
}

}  // namespace nwtool
