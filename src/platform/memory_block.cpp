#include "platform/memory_block.h"

#include <cstdlib>
#include <new>

struct TsyMemoryBlock {
    std::size_t size = 0;
    int locks = 0;
    unsigned char* data = nullptr;
};

namespace tsy {

BlockHandle BlockAlloc(std::size_t bytes) {
    if (bytes == 0) return nullptr;
    void* data = std::calloc(bytes, 1);
    if (!data) return nullptr;
    auto* block = new (std::nothrow) TsyMemoryBlock{bytes, 0, static_cast<unsigned char*>(data)};
    if (!block) std::free(data);
    return block;
}

void* BlockLock(BlockHandle block) {
    if (!block) return nullptr;
    ++block->locks;
    return block->data;
}

bool BlockUnlock(BlockHandle block) {
    if (!block || block->locks == 0) return false;
    return --block->locks > 0;
}

std::size_t BlockSize(BlockHandle block) {
    return block ? block->size : 0;
}

int BlockLockCount(BlockHandle block) {
    return block ? block->locks : 0;
}

void BlockFree(BlockHandle block) {
    if (!block) return;
    std::free(block->data);
    delete block;
}

}  // namespace tsy
