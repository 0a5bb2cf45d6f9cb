#pragma once
// A count of the bytes the C++ heap holds, for the fuzz targets that prove no input makes a
// loader allocate more than the input justifies. Include it in exactly one file of a target:
// it replaces the global operator new and delete.

#include <cstddef>
#include <cstdlib>
#include <new>

namespace zm::fuzz {

struct HeapCount {
    size_t live = 0;
    size_t peak = 0;
};
inline HeapCount g_heap;

// Starts a measurement: the peak from here on.
inline size_t StartHeapMeasure() {
    g_heap.peak = g_heap.live;
    return g_heap.live;
}

} // namespace zm::fuzz

// Every C++ allocation carries its size in front of it so that the count stays exact.
namespace zm::fuzz::detail {
constexpr size_t kFront = 16;
inline void* Allocate(size_t n) {
    auto* p = static_cast<unsigned char*>(std::malloc(n + kFront));
    if (!p) throw std::bad_alloc();
    *reinterpret_cast<size_t*>(p) = n;
    g_heap.live += n;
    if (g_heap.live > g_heap.peak) g_heap.peak = g_heap.live;
    return p + kFront;
}
inline void Release(void* q) noexcept {
    if (!q) return;
    auto* p = static_cast<unsigned char*>(q) - kFront;
    g_heap.live -= *reinterpret_cast<size_t*>(p);
    std::free(p);
}
} // namespace zm::fuzz::detail

void* operator new(size_t n) {
    return zm::fuzz::detail::Allocate(n);
}
void* operator new[](size_t n) {
    return zm::fuzz::detail::Allocate(n);
}
void* operator new(size_t n, const std::nothrow_t&) noexcept {
    try {
        return zm::fuzz::detail::Allocate(n);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](size_t n, const std::nothrow_t& t) noexcept {
    return operator new(n, t);
}
void operator delete(void* p) noexcept {
    zm::fuzz::detail::Release(p);
}
void operator delete[](void* p) noexcept {
    zm::fuzz::detail::Release(p);
}
void operator delete(void* p, size_t) noexcept {
    zm::fuzz::detail::Release(p);
}
void operator delete[](void* p, size_t) noexcept {
    zm::fuzz::detail::Release(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    zm::fuzz::detail::Release(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    zm::fuzz::detail::Release(p);
}
