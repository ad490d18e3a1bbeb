#include "platform/LargeBlocks.h"

#include <sys/mman.h>

#include <cstdint>

namespace tessary {
namespace {

std::size_t wholeBlocks(std::size_t bytes) {
    return (bytes + kLargeBlockBytes - 1) / kLargeBlockBytes * kLargeBlockBytes;
}

} // namespace

void* mapLargeBlocks(std::size_t bytes) {
    if (bytes == 0 || bytes > std::numeric_limits<std::size_t>::max() / 2) {
        return nullptr;
    }
    const std::size_t size = wholeBlocks(bytes);
    // One block more than needed, so that an aligned start lies inside; the ends are given back.
    const std::size_t mapped = size + kLargeBlockBytes;
    void* raw = mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) {
        return nullptr;
    }
    const auto rawStart = reinterpret_cast<std::uintptr_t>(raw);
    const std::uintptr_t start =
        (rawStart + kLargeBlockBytes - 1) / kLargeBlockBytes * kLargeBlockBytes;
    if (start > rawStart) {
        munmap(raw, start - rawStart);
    }
    const std::uintptr_t end = start + size;
    if (rawStart + mapped > end) {
        munmap(reinterpret_cast<void*>(end), rawStart + mapped - end);
    }
    // Only advice: without huge pages the mapping works as any other.
    madvise(reinterpret_cast<void*>(start), size, MADV_HUGEPAGE);
    return reinterpret_cast<void*>(start);
}

void unmapLargeBlocks(void* blocks, std::size_t bytes) {
    if (blocks != nullptr) {
        munmap(blocks, wholeBlocks(bytes));
    }
}

} // namespace tessary
