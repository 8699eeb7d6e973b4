// Writes the .NET binding: one P/Invoke declaration per export, for every
// name of the export list the family tables produce, typed from the public
// header's declaration of it (which the compiler holds to the table row), and
// the record's field offsets from the header's layout checks.
//
//   dotnet_binding EXPORT_NAMES PREPROCESSED_HEADER OUTPUT
//                  GETTER32 SETTER32 GETTER64 SETTER64 HEADER...
//
// The four decorations are the names Windows knows the decorated getters and
// setters by; those exports get one entry point per platform behind a method
// that picks the right one.
// The preprocessed header is the public headers run through the C
// preprocessor, so that every declaration reads "<visibility> result
// Name(parameters)" whatever macros spell it.
#include <fstream>
#include <iostream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Parameter {
    std::string type;
    std::string name;
};

struct Declaration {
    std::string result;
    std::vector<Parameter> parameters;
};

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

std::string Squeeze(const std::string& text) {
    return Trim(std::regex_replace(text, std::regex(R"(\s+)"), " "));
}

// "const NWCHAR* name" -> {"const NWCHAR*", "name"}
Parameter SplitParameter(const std::string& text) {
    static const std::regex shape(R"(^(.*?[\s*])(\w+)$)");
    std::smatch match;
    const std::string squeezed = Squeeze(text);
    if (!std::regex_match(squeezed, match, shape)) throw std::runtime_error("unreadable parameter: " + text);
    std::string type = Squeeze(match[1]);
    type = std::regex_replace(type, std::regex(R"(\s*\*)"), "*");
    return {type, match[2]};
}

std::map<std::string, Declaration> ReadDeclarations(const std::string& preprocessed) {
    static const std::regex shape(R"(visibility\s*\(\s*"default"\s*\)\s*\)\s*\)\s*(.*?)\b(\w+)\s*\((.*)\)\s*$)");
    std::map<std::string, Declaration> declarations;
    std::stringstream statements(preprocessed);
    std::string statement;
    while (std::getline(statements, statement, ';')) {
        std::smatch match;
        const std::string squeezed = Squeeze(statement);
        if (!std::regex_search(squeezed, match, shape)) continue;
        Declaration declaration;
        declaration.result = std::regex_replace(Squeeze(match[1]), std::regex(R"(\s*\*)"), "*");
        const std::string parameters = Trim(match[3]);
        if (parameters != "void" && !parameters.empty()) {
            std::stringstream list(parameters);
            std::string parameter;
            while (std::getline(list, parameter, ',')) declaration.parameters.push_back(SplitParameter(parameter));
        }
        declarations[match[2]] = declaration;
    }
    return declarations;
}

// C type -> C# parameter type. Records and other caller-owned blocks are
// pointers: a NordwispRecord converts to one and stays pinned while alive.
const std::map<std::string, std::string>& ParameterTypes() {
    static const std::map<std::string, std::string> types = {
        {"NordwispDEVMODE*", "IntPtr"},
        {"const NordwispDEVMODE*", "IntPtr"},
        {"int", "int"},
        {"int*", "ref int"},
        {"uint32_t", "uint"},
        {"uint32_t*", "ref uint"},
        {"uint8_t", "byte"},
        {"char", "byte"},
        {"size_t", "UIntPtr"},
        {"uintptr_t", "UIntPtr"},
        {"const NWCHAR*", "[MarshalAs(UnmanagedType.LPWStr)] string"},
        {"NWCHAR*", "[In, Out] char[]"},
        {"const char*", "[MarshalAs(UnmanagedType.LPStr)] string"},
        {"char*", "[In, Out] byte[]"},
        {"void*", "IntPtr"},
        {"const void*", "IntPtr"},
        {"NW_LOGFONTW", "NW_LOGFONTW"},
        {"NW_LOGFONTW*", "ref NW_LOGFONTW"},
        {"JobInfoRecord*", "[In, Out] byte[]"},
        {"NordwispMachineUser*", "[In, Out] byte[]"},
        {"NordwispMachinePaper*", "[In, Out] byte[]"},
        {"const NordwispMachineFileName*", "IntPtr"},
        {"NordwispMergeHook", "NordwispMergeHook"},
        {"NW_HWND", "IntPtr"},
        {"NW_HBITMAP", "IntPtr"},
        {"uint8_t*", "[In, Out] byte[]"},
        {"int32_t*", "ref int"},
    };
    return types;
}

// Results that point at memory the library owns stay pointers.
const std::map<std::string, std::string>& ResultTypes() {
    static const std::map<std::string, std::string> types = {
        {"int", "int"},
        {"uint32_t", "uint"},
        {"size_t", "UIntPtr"},
        {"void", "void"},
        {"NW_LOGFONTW", "NW_LOGFONTW"},
        {"NordwispDEVMODE*", "IntPtr"},
        {"const NWCHAR*", "IntPtr"},
        {"NWCHAR*", "IntPtr"},
        {"char*", "IntPtr"},
        {"const char*", "IntPtr"},
        {"NW_HBITMAP", "IntPtr"},
    };
    return types;
}

std::string Translate(const std::map<std::string, std::string>& types, const std::string& type,
                      const std::string& where) {
    const auto found = types.find(type);
    if (found == types.end()) throw std::runtime_error("no .NET type for \"" + type + "\" in " + where);
    return found->second;
}

// C# keywords that a C parameter name may be.
std::string Identifier(const std::string& name) {
    static const std::set<std::string> keywords = {"base", "checked", "decimal", "event", "fixed", "lock",
                                                   "object", "out", "params", "ref", "string"};
    return keywords.count(name) ? "@" + name : name;
}

void WriteDeclaration(std::ostream& out, const std::string& name, const Declaration& declaration, bool stdcall,
                      const std::string& entryPoint, const std::string& access = "public") {
    out << "        [DllImport(Library, EntryPoint = \"" << entryPoint << "\", ExactSpelling = true, CharSet = CharSet.Unicode"
        << (stdcall ? ", CallingConvention = CallingConvention.StdCall" : ", CallingConvention = CallingConvention.Cdecl")
        << ")]\n";
    if (declaration.result == "NW_LOGFONTW") out << "        [return: MarshalAs(UnmanagedType.Struct)]\n";
    out << "        " << access << " static extern " << Translate(ResultTypes(), declaration.result, name) << " " << name << "(";
    for (std::size_t i = 0; i < declaration.parameters.size(); ++i) {
        const Parameter& parameter = declaration.parameters[i];
        out << (i ? ", " : "") << Translate(ParameterTypes(), parameter.type, name) << " " << Identifier(parameter.name);
    }
    out << ");\n";
}

// NW_AT(DM.dmSize, 68) -> ("DM_dmSize", 68)
// A decorated export: the plain name off Windows, the decorated one for the
// process's pointer size on Windows.
void WriteDecorated(std::ostream& out, const std::string& name, const Declaration& declaration,
                    const std::string& decoration32, const std::string& decoration64) {
    WriteDeclaration(out, name + "_Plain", declaration, true, name, "private");
    WriteDeclaration(out, name + "_Win32", declaration, true, "?" + name + decoration32, "private");
    WriteDeclaration(out, name + "_Win64", declaration, true, "?" + name + decoration64, "private");
    std::string parameters, arguments;
    for (const Parameter& parameter : declaration.parameters) {
        const std::string type = Translate(ParameterTypes(), parameter.type, name);
        parameters += (parameters.empty() ? "" : ", ") + type + " " + Identifier(parameter.name);
        arguments += (arguments.empty() ? "" : ", ") + std::string(type.rfind("ref ", 0) == 0 ? "ref " : "") +
                     Identifier(parameter.name);
    }
    out << "        public static " << Translate(ResultTypes(), declaration.result, name) << " " << name << "("
        << parameters << ")\n        {\n"
        << "            if (!OnWindows) return " << name << "_Plain(" << arguments << ");\n"
        << "            return IntPtr.Size == 8 ? " << name << "_Win64(" << arguments << ") : " << name << "_Win32("
        << arguments << ");\n        }\n";
}

void WriteOffsets(std::ostream& out, const std::string& headers, const std::string& macro) {
    const std::regex shape(macro + R"(\(([\w.]+),\s*(\d+)\))");
    for (auto it = std::sregex_iterator(headers.begin(), headers.end(), shape); it != std::sregex_iterator(); ++it) {
        std::string field = (*it)[1];
        for (char& c : field)
            if (c == '.') c = '_';
        out << "        public const int " << field << " = " << (*it)[2] << ";\n";
    }
}

std::string Number(const std::string& headers, const char* pattern) {
    std::smatch match;
    if (!std::regex_search(headers, match, std::regex(pattern))) throw std::runtime_error(std::string("missing ") + pattern);
    return match[1];
}

const char kPrologue[] = R"(// Generated by dotnet_binding from the export tables and the public header.
// Do not edit: regenerate with "cmake --build --preset default --target nw_dotnet_binding", then copy build/default/bindings/NordwispDEVMODE.cs to bindings/dotnet/.
using System;
using System.Runtime.InteropServices;

namespace Nordwisp
{
    /// <summary>LOGFONTW as the record and the font exports hold it.</summary>
    [StructLayout(LayoutKind.Sequential, CharSet = CharSet.Unicode, Pack = 1)]
    public struct NW_LOGFONTW
    {
        public int lfHeight;
        public int lfWidth;
        public int lfEscapement;
        public int lfOrientation;
        public int lfWeight;
        public byte lfItalic;
        public byte lfUnderline;
        public byte lfStrikeOut;
        public byte lfCharSet;
        public byte lfOutPrecision;
        public byte lfClipPrecision;
        public byte lfQuality;
        public byte lfPitchAndFamily;
        [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 32)]
        public string lfFaceName;
    }

    /// <summary>Called with every record the hosted spooler merges (Linux only).</summary>
    [UnmanagedFunctionPointer(CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
    public delegate void NordwispMergeHook([MarshalAs(UnmanagedType.LPWStr)] string printerName, IntPtr devmode,
                                           UIntPtr size, IntPtr context);

    /// <summary>
    /// A device-mode record in managed memory, pinned for its lifetime so
    /// that pointers the exports return into it stay valid. Pass it wherever
    /// an export takes a record.
    /// </summary>
    public sealed class NordwispRecord : IDisposable
    {
        public readonly byte[] Bytes;
        private GCHandle pin;

        public NordwispRecord(byte[] bytes)
        {
            if (bytes == null || bytes.Length < RecordLayout.Size) throw new ArgumentException("a record is " + RecordLayout.Size + " bytes");
            Bytes = bytes;
            pin = GCHandle.Alloc(Bytes, GCHandleType.Pinned);
        }

        public IntPtr Pointer { get { return pin.AddrOfPinnedObject(); } }

        public static implicit operator IntPtr(NordwispRecord record) { return record.Pointer; }

        /// <summary>The printer's current record, or null (NativeMethods.Nordwisp_GetLastError tells why).</summary>
        public static NordwispRecord Load(string printerName)
        {
            IntPtr loaded = NativeMethods.LoadNordwispDEVMODE(printerName);
            if (loaded == IntPtr.Zero) return null;
            try
            {
                int size = Marshal.ReadInt16(loaded, RecordLayout.DM_dmSize) + Marshal.ReadInt16(loaded, RecordLayout.DM_dmDriverExtra);
                byte[] bytes = new byte[Math.Max(size, RecordLayout.Size)];
                Marshal.Copy(loaded, bytes, 0, size);
                return new NordwispRecord(bytes);
            }
            finally
            {
                NativeMethods.ReleaseNordwispDEVMODE(loaded);
            }
        }

        public bool Save(string printerName) { return NativeMethods.SaveNordwispDEVMODE(printerName, Pointer) != 0; }

        public short GetInt16(int offset) { return BitConverter.ToInt16(Bytes, offset); }
        public int GetInt32(int offset) { return BitConverter.ToInt32(Bytes, offset); }

        public void Dispose()
        {
            if (pin.IsAllocated) pin.Free();
            GC.SuppressFinalize(this);
        }

        ~NordwispRecord()
        {
            if (pin.IsAllocated) pin.Free();
        }
    }
)";

}  // namespace

int main(int argc, char** argv) {
    if (argc < 9) {
        std::cerr << "usage: dotnet_binding EXPORT_NAMES PREPROCESSED_HEADER OUTPUT"
                     " GETTER32 SETTER32 GETTER64 SETTER64 HEADER...\n";
        return 2;
    }
    try {
        std::vector<std::string> names;
        std::map<std::string, std::string> decorated;  // name -> "getter" or "setter"
        {
            std::stringstream list(ReadFile(argv[1]));
            // A line is a name, or a decoration kind and the name.
            for (std::string line; std::getline(list, line);) {
                line = Trim(line);
                if (line.empty()) continue;
                const auto space = line.find_last_of(' ');
                names.push_back(line.substr(space + 1));
                if (space != std::string::npos)
                    decorated[names.back()] = line.rfind("decorated_getter", 0) == 0 ? "getter" : "setter";
            }
        }
        const auto declarations = ReadDeclarations(ReadFile(argv[2]));
        std::string headers;
        for (int i = 8; i < argc; ++i) headers += ReadFile(argv[i]);

        std::ostringstream out;
        out << kPrologue;
        out << "\n    /// <summary>Byte offsets of the record's fields and of a job description's.</summary>\n"
            << "    public static class RecordLayout\n    {\n"
            << "        public const int Size = " << Number(headers, R"(#define NW_DEVMODE_SIZE (\d+))") << ";\n";
        WriteOffsets(out, headers, "NW_AT");
        out << "    }\n\n    public static class JobInfoLayout\n    {\n        public const int Size = "
            << Number(headers, R"(sizeof\(JobInfoRecord\) == (\d+))") << ";\n";
        WriteOffsets(out, headers, "NW_JOB_AT");
        out << "    }\n";

        // Provisioning exports of the hosted machine are plain C calls.
        for (const bool machine : {false, true}) {
            out << "\n    public static " << (machine ? "class NordwispMachine" : "class NativeMethods") << "\n    {\n"
                << "        private const string Library = \"NordwispDEVMODE\";\n";
            if (!machine)
                out << "        private static readonly bool OnWindows = Environment.OSVersion.Platform == PlatformID.Win32NT;\n";
            out << "\n";
            for (const std::string& name : names) {
                if ((name.rfind("NordwispMachine_", 0) == 0) != machine) continue;
                const auto found = declarations.find(name);
                if (found == declarations.end()) throw std::runtime_error("export without a declaration: " + name);
                const auto decoration = decorated.find(name);
                if (decoration == decorated.end()) {
                    WriteDeclaration(out, name, found->second, !machine, name);
                } else {
                    const bool getter = decoration->second == "getter";
                    WriteDecorated(out, name, found->second, argv[getter ? 4 : 5], argv[getter ? 6 : 7]);
                }
            }
            out << "    }\n";
        }
        out << "}\n";

        std::ofstream file(argv[3], std::ios::binary);
        file << out.str();
        if (!file) throw std::runtime_error(std::string("cannot write ") + argv[3]);
    } catch (const std::exception& error) {
        std::cerr << "dotnet_binding: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
