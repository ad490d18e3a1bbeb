// The allocator of deeds: blocks of 2 MiB, each holding a header and then as many deed slots as
// fit. A block hands out its slots first in order, then those freed again; a block whose deeds are
// all freed goes back to the system, except one kept for the next deed, so that registering and
// undoing one deed does not map and unmap a block each time. Deeds may be created and freed on any
// thread; one lock guards the blocks.
#include "data/Deed.h"

#include "platform/LargeBlocks.h"

#include <cstdint>
#include <mutex>
#include <new>

namespace tessary {
namespace {

struct Block {
    Block* previous = nullptr; // the list of blocks with a free slot
    Block* next = nullptr;
    void* freed = nullptr;     // freed slots, each holding the address of the next
    std::size_t handedOut = 0; // slots handed out in order so far
    std::size_t live = 0;
    bool listed = false;
};

constexpr std::size_t kSlotBytes =
    (sizeof(Deed) + alignof(Deed) - 1) / alignof(Deed) * alignof(Deed);
constexpr std::size_t kFirstSlot =
    (sizeof(Block) + alignof(Deed) - 1) / alignof(Deed) * alignof(Deed);
constexpr std::size_t kSlotsPerBlock = (kLargeBlockBytes - kFirstSlot) / kSlotBytes;
static_assert(kSlotsPerBlock > 1000);

class DeedPool {
public:
    void* allocate() {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (open_ == nullptr) {
            void* memory = mapLargeBlocks(kLargeBlockBytes);
            if (memory == nullptr) {
                throw std::bad_alloc();
            }
            link(new (memory) Block);
            ++emptyBlocks_;
        }
        Block* block = open_;
        void* slot = nullptr;
        if (block->freed != nullptr) {
            slot = block->freed;
            block->freed = *static_cast<void**>(slot);
        } else {
            slot = reinterpret_cast<char*>(block) + kFirstSlot + block->handedOut * kSlotBytes;
            ++block->handedOut;
        }
        if (block->live++ == 0) {
            --emptyBlocks_;
        }
        if (block->freed == nullptr && block->handedOut == kSlotsPerBlock) {
            unlink(block);
        }
        return slot;
    }

    void release(void* slot) noexcept {
        const std::lock_guard<std::mutex> lock(mutex_);
        auto* block = reinterpret_cast<Block*>(reinterpret_cast<std::uintptr_t>(slot) &
                                               ~(std::uintptr_t{kLargeBlockBytes} - 1));
        *static_cast<void**>(slot) = block->freed;
        block->freed = slot;
        if (!block->listed) {
            link(block);
        }
        if (--block->live == 0) {
            if (emptyBlocks_ > 0) {
                unlink(block);
                block->~Block();
                unmapLargeBlocks(block, kLargeBlockBytes);
            } else {
                ++emptyBlocks_;
            }
        }
    }

private:
    // New and partly freed blocks go first, so the slots handed out stay close together.
    void link(Block* block) {
        block->previous = nullptr;
        block->next = open_;
        if (open_ != nullptr) {
            open_->previous = block;
        }
        open_ = block;
        block->listed = true;
    }

    void unlink(Block* block) {
        if (block->previous != nullptr) {
            block->previous->next = block->next;
        } else {
            open_ = block->next;
        }
        if (block->next != nullptr) {
            block->next->previous = block->previous;
        }
        block->previous = block->next = nullptr;
        block->listed = false;
    }

    std::mutex mutex_;
    Block* open_ = nullptr;
    std::size_t emptyBlocks_ = 0;
};

// Never destroyed: deeds still alive when the program ends may be freed after any destructor.
DeedPool& pool() {
    static DeedPool* instance = new DeedPool;
    return *instance;
}

} // namespace

void* Deed::operator new(std::size_t size) {
    if (!kLargeBlocksMapped || size != sizeof(Deed)) {
        return ::operator new(size);
    }
    return pool().allocate();
}

void Deed::operator delete(void* deed, std::size_t size) noexcept {
    if (deed == nullptr) {
        return;
    }
    if (!kLargeBlocksMapped || size != sizeof(Deed)) {
        ::operator delete(deed);
        return;
    }
    pool().release(deed);
}

} // namespace tessary
