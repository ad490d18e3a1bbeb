// Memory for the program's few large arrays: a million deeds, a deed file read whole, the keys of
// a sort. They are mapped in blocks aligned on 2 MiB that the system is asked to back with huge
// pages, because touching fresh memory 4 KiB at a time costs one page fault per page, and for a
// million deeds those faults take longer than reading and sorting them. Under the address
// sanitizer everything goes through operator new instead, so that the sanitizer sees it.
#pragma once

#include <cstddef>
#include <limits>
#include <new>

namespace tessary {

#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kLargeBlocksMapped = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kLargeBlocksMapped = false;
#else
inline constexpr bool kLargeBlocksMapped = true;
#endif
#else
inline constexpr bool kLargeBlocksMapped = true;
#endif

// The size and alignment of one block; mappings are whole blocks.
inline constexpr std::size_t kLargeBlockBytes = std::size_t{2} * 1024 * 1024;
// Arrays of at least this many bytes get a mapping of their own; smaller ones use operator new.
inline constexpr std::size_t kLargeArrayBytes = std::size_t{1} * 1024 * 1024;

// Maps at least `bytes` bytes (rounded up to whole blocks), aligned on a block, zero-filled and
// asked to be backed by huge pages. nullptr when the system refuses.
void* mapLargeBlocks(std::size_t bytes);
// Gives back a mapping of mapLargeBlocks, with the size it was asked for.
void unmapLargeBlocks(void* blocks, std::size_t bytes);

// An allocator for standard containers: large arrays in mapped blocks, the rest by operator new.
template <class T>
struct LargeArrayAllocator {
    using value_type = T;

    LargeArrayAllocator() = default;
    template <class U>
    LargeArrayAllocator(const LargeArrayAllocator<U>&) noexcept {}

    T* allocate(std::size_t n) {
        if (n > std::numeric_limits<std::size_t>::max() / sizeof(T)) {
            throw std::bad_array_new_length();
        }
        const std::size_t bytes = n * sizeof(T);
        if (kLargeBlocksMapped && bytes >= kLargeArrayBytes) {
            if (void* blocks = mapLargeBlocks(bytes)) {
                return static_cast<T*>(blocks);
            }
            throw std::bad_alloc();
        }
        return static_cast<T*>(::operator new(bytes));
    }

    void deallocate(T* p, std::size_t n) noexcept {
        const std::size_t bytes = n * sizeof(T);
        if (kLargeBlocksMapped && bytes >= kLargeArrayBytes) {
            unmapLargeBlocks(p, bytes);
        } else {
            ::operator delete(p);
        }
    }

    template <class U>
    bool operator==(const LargeArrayAllocator<U>&) const noexcept {
        return true;
    }
};

} // namespace tessary
