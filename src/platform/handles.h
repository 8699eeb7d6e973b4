// Owners for the handles the library opens, so each is released on every
// return path.
#pragma once

#include <utility>

#include "platform/win32api.h"

namespace nw {

template <class Handle, class Traits>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Traits::Invalid())) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, Traits::Invalid());
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::Invalid(); }
    // For out-parameters: releases what is held and hands out the slot.
    Handle* put() {
        reset();
        return &handle_;
    }
    Handle release() { return std::exchange(handle_, Traits::Invalid()); }
    void reset(Handle handle = Traits::Invalid()) {
        if (handle_ != Traits::Invalid()) Traits::Close(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = Traits::Invalid();
};

struct RegistryKeyTraits {
    static HKEY Invalid() { return nullptr; }
    static void Close(HKEY key) { ::RegCloseKey(key); }
};
struct GlobalMemoryTraits {
    static HGLOBAL Invalid() { return nullptr; }
    static void Close(HGLOBAL memory) { ::GlobalFree(memory); }
};
struct ModuleTraits {
    static HMODULE Invalid() { return nullptr; }
    static void Close(HMODULE module) { ::FreeLibrary(module); }
};
struct KernelHandleTraits {
    static HANDLE Invalid() { return nullptr; }
    static void Close(HANDLE handle) { ::CloseHandle(handle); }
};

struct FileTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE file) { ::CloseHandle(file); }
};
struct FindTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE find) { ::FindClose(find); }
};
struct PrinterTraits {
    static HANDLE Invalid() { return nullptr; }
    static void Close(HANDLE printer) { ::ClosePrinter(printer); }
};

struct MemoryDcTraits {
    static HDC Invalid() { return nullptr; }
    static void Close(HDC dc) { ::DeleteDC(dc); }
};
struct GdiObjectTraits {
    static HGDIOBJ Invalid() { return nullptr; }
    static void Close(HGDIOBJ object) { ::DeleteObject(object); }
};

using RegistryKey = UniqueHandle<HKEY, RegistryKeyTraits>;
using GlobalMemory = UniqueHandle<HGLOBAL, GlobalMemoryTraits>;
using ModuleHandle = UniqueHandle<HMODULE, ModuleTraits>;
using KernelHandle = UniqueHandle<HANDLE, KernelHandleTraits>;
using PrinterHandle = UniqueHandle<HANDLE, PrinterTraits>;
using FindHandle = UniqueHandle<HANDLE, FindTraits>;
using FileHandle = UniqueHandle<HANDLE, FileTraits>;
using MemoryDc = UniqueHandle<HDC, MemoryDcTraits>;
using GdiObject = UniqueHandle<HGDIOBJ, GdiObjectTraits>;

// A module's function looked up by name, as its own type; null when the
// module or the function is missing.
template <class Fn>
Fn ModuleFunction(HMODULE module, const char* name) {
    const FARPROC proc = module != nullptr ? ::GetProcAddress(module, name) : nullptr;
    return proc != nullptr ? reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(proc)) : nullptr;
}

}  // namespace nw
