#include "env/printer_environment.h"

#include <cstring>
#include <new>

#include "platform/handles.h"
#include "settings/key_path.h"
#include "settings/registry_primitives.h"

namespace nw::env {

namespace {

constexpr const WCHAR* kEnvVarsKey = W("%s\\EnvVars");
// Characters the expanded text may hold; the last unit stays zero.
constexpr std::size_t kBudget = kExpandedCapacity - 1;
// A printer variable is read with a 520-byte limit.
constexpr DWORD kPrinterValueBytes = 520;

// Looked up by name, as the system may lack it.
using ExpandForUserFn = BOOL(WINAPI*)(HANDLE token, LPCWSTR source, LPWSTR destination, DWORD size);

enum class Lookup {
    Missing,  // neither the printer nor the user gives a value: kept as written
    Found,
};

// Where a reference's value comes from: the printer's variables, then the
// environment of the user the thread impersonates. The token and Userenv
// are opened on the first reference that needs them and released with the
// resolver.
class Resolver {
public:
    explicit Resolver(const NordwispDEVMODE* record) : record_(record) {}

    Lookup Resolve(WStringView name, WString& value) {
        if (name.empty()) return Lookup::Missing;
        const WString valueName(name);
        WCHAR text[kPrinterValueBytes / sizeof(WCHAR) + 1] = {};
        DWORD size = kPrinterValueBytes;
        if (ReadPrinterValue(record_, settings::kVendorKey, kEnvVarsKey, valueName.c_str(), text, &size)) {
            value.assign(text, settings::BoundedLength(text, kPrinterValueBytes / sizeof(WCHAR)));
            return Lookup::Found;
        }
        // A printer variable too long to read counts as missing.
        return FromUser(valueName, value);
    }

private:
    Lookup FromUser(const WString& name, WString& value) {
        // A name holding '%' would make a different reference.
        if (name.find(W('%')) != WString::npos || !OpenUser()) return Lookup::Missing;
        const WString reference = W("%") + name + W("%");
        WCHAR expanded[kExpandedCapacity] = {};
        // A failed expansion, for lack of room too, leaves the reference as
        // written: a shortened path must not pass for a resolved one.
        if (!expand_(token_.get(), reference.c_str(), expanded, static_cast<DWORD>(kExpandedCapacity)))
            return Lookup::Missing;
        value.assign(expanded, settings::BoundedLength(expanded, kExpandedCapacity));
        // An unknown variable comes back as written.
        return value == reference ? Lookup::Missing : Lookup::Found;
    }

    bool OpenUser() {
        if (!userOpened_) {
            userOpened_ = true;
            if (!::OpenThreadToken(::GetCurrentThread(), TOKEN_QUERY | TOKEN_IMPERSONATE | TOKEN_DUPLICATE, TRUE,
                                   token_.put()))
                return false;
            userenv_.reset(::LoadLibraryW(W("Userenv.dll")));
            if (!userenv_) return false;
            expand_ = ModuleFunction<ExpandForUserFn>(userenv_.get(), "ExpandEnvironmentStringsForUserW");
        }
        return token_ && expand_ != nullptr;
    }

    const NordwispDEVMODE* record_;
    bool userOpened_ = false;
    KernelHandle token_;
    ModuleHandle userenv_;
    ExpandForUserFn expand_ = nullptr;
};

// The output under construction: a piece is appended whole or not at all.
class Output {
public:
    void Append(WStringView piece) {
        if (text_.size() + piece.size() <= kBudget) text_.append(piece);
    }
    const WString& Text() const { return text_; }

private:
    WString text_;
};

struct Syntax {
    WStringView open;
    WStringView close;
    // "<<NAME" runs to the end of the text; a lone "%" is plain text.
    bool unclosedIsReference;
};

constexpr Syntax kAngleSyntax{W("<<"), W(">>"), true};
constexpr Syntax kPercentSyntax{W("%"), W("%"), false};

// One pass over the text for one syntax; clears resolved when a reference
// stays as written.
WString ExpandPass(WStringView input, const Syntax& syntax, Resolver& resolver, bool& resolved) {
    Output out;
    std::size_t pos = 0;
    WString value;
    while (pos < input.size()) {
        const std::size_t at = input.find(syntax.open, pos);
        if (at == WStringView::npos) break;
        out.Append(input.substr(pos, at - pos));
        const std::size_t nameStart = at + syntax.open.size();
        const std::size_t close = input.find(syntax.close, nameStart);
        if (close == WStringView::npos && !syntax.unclosedIsReference) {
            pos = at;
            break;
        }
        const std::size_t nameEnd = close == WStringView::npos ? input.size() : close;
        const std::size_t next = close == WStringView::npos ? input.size() : close + syntax.close.size();
        switch (resolver.Resolve(input.substr(nameStart, nameEnd - nameStart), value)) {
            case Lookup::Found: out.Append(value); break;
            case Lookup::Missing:
                out.Append(input.substr(at, next - at));
                resolved = false;
                break;
        }
        pos = next;
    }
    if (pos < input.size()) out.Append(input.substr(pos));
    return out.Text();
}

}  // namespace

int ExpandVariables(const NordwispDEVMODE* record, const WCHAR* input, WCHAR* output) {
    if (output != nullptr) std::memset(output, 0, kExpandedCapacity * sizeof(WCHAR));
    if (record == nullptr || input == nullptr || output == nullptr || input[0] == 0) return 0;
    bool resolved = true;
    WString expanded;
    {
        Resolver resolver(record);
        const WString angled = ExpandPass(input, kAngleSyntax, resolver, resolved);
        expanded = ExpandPass(angled, kPercentSyntax, resolver, resolved);
    }
    std::memcpy(output, expanded.data(), expanded.size() * sizeof(WCHAR));
    return resolved ? 1 : 0;
}

}  // namespace nw::env
