// The global (and local) heap. Every live block is registered, so a stale or
// made-up handle is refused instead of dereferenced. A fixed block's handle
// is its pointer; a moveable block's handle is a separate value that
// GlobalLock turns into the pointer, as on Windows.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <unordered_map>

#include "platform/hosted/kernel_objects.h"
#include "platform/win32api.h"

namespace {

// A 32-bit process could not have more; it also keeps huge requests from
// reaching the host allocator.
constexpr std::size_t kLargestBlock = 0x80000000u;

struct Block {
    void* data = nullptr;
    std::size_t size = 0;
    bool moveable = false;
    unsigned locks = 0;
};

struct Heap {
    std::mutex lock;
    std::unordered_map<void*, Block> blocks;
    // Moveable handles are 4 modulo 8, so they never equal a block pointer
    // (which the host allocator aligns to 8 or more).
    std::uintptr_t nextMoveable = 0x10004;
};

Heap& TheHeap() {
    static Heap* heap = new Heap;  // outlives static destructors that free blocks
    return *heap;
}

void* NewMoveableHandle(Heap& heap) {
    for (;;) {
        void* handle = reinterpret_cast<void*>(heap.nextMoveable);
        heap.nextMoveable += 8;
        if (heap.nextMoveable > 0x7FFFFFF0u) heap.nextMoveable = 0x10004;
        if (heap.blocks.find(handle) == heap.blocks.end()) return handle;
    }
}

HGLOBAL Allocate(UINT flags, std::size_t bytes) {
    if (bytes > kLargestBlock) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    const std::size_t storage = bytes == 0 ? 1 : bytes;
    void* data = (flags & GMEM_ZEROINIT) ? std::calloc(1, storage) : std::malloc(storage);
    if (data == nullptr) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    auto& heap = TheHeap();
    std::lock_guard guard(heap.lock);
    const bool moveable = (flags & GMEM_MOVEABLE) != 0;
    void* handle = moveable ? NewMoveableHandle(heap) : data;
    heap.blocks.emplace(handle, Block{data, bytes, moveable, 0});
    return handle;
}

HGLOBAL Free(HGLOBAL memory) {
    if (memory == nullptr) return nullptr;
    auto& heap = TheHeap();
    void* data = nullptr;
    {
        std::lock_guard guard(heap.lock);
        auto found = heap.blocks.find(memory);
        if (found == heap.blocks.end()) {
            SetLastError(ERROR_INVALID_HANDLE);
            return memory;
        }
        data = found->second.data;
        heap.blocks.erase(found);
    }
    std::free(data);
    return nullptr;
}

}  // namespace

namespace nw::hosted {

void* AllocateFixedBlock(std::size_t bytes, bool zero) {
    return Allocate(zero ? GPTR : GMEM_FIXED, bytes);
}

}  // namespace nw::hosted

HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes) { return Allocate(flags, bytes); }

LPVOID GlobalLock(HGLOBAL memory) {
    auto& heap = TheHeap();
    std::lock_guard guard(heap.lock);
    auto found = heap.blocks.find(memory);
    if (found == heap.blocks.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if (found->second.moveable) ++found->second.locks;
    return found->second.data;
}

BOOL GlobalUnlock(HGLOBAL memory) {
    auto& heap = TheHeap();
    std::lock_guard guard(heap.lock);
    auto found = heap.blocks.find(memory);
    if (found == heap.blocks.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    Block& block = found->second;
    if (!block.moveable) return TRUE;  // a fixed block has no lock count
    if (block.locks == 0) {
        SetLastError(ERROR_NOT_LOCKED);
        return FALSE;
    }
    if (--block.locks == 0) {
        SetLastError(NO_ERROR);
        return FALSE;
    }
    return TRUE;
}

SIZE_T GlobalSize(HGLOBAL memory) {
    auto& heap = TheHeap();
    std::lock_guard guard(heap.lock);
    auto found = heap.blocks.find(memory);
    if (found == heap.blocks.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    return found->second.size;
}

HGLOBAL GlobalFree(HGLOBAL memory) { return Free(memory); }

HLOCAL LocalFree(HLOCAL memory) { return Free(memory); }
