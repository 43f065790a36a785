// Movable, zero-filled memory blocks: the raster currency between encoders and their callers.
#pragma once

#include <cstddef>

// Opaque to C callers of the encoder library; the same type travels through the C API.
struct TsyMemoryBlock;

namespace tsy {

using BlockHandle = TsyMemoryBlock*;

// Returns null when the size is zero or the memory is not available.
BlockHandle BlockAlloc(std::size_t bytes);
// Returns null for a null handle. Each lock must be matched by BlockUnlock.
void* BlockLock(BlockHandle block);
// Returns true while the block is still locked after this call.
bool BlockUnlock(BlockHandle block);
std::size_t BlockSize(BlockHandle block);
int BlockLockCount(BlockHandle block);
// Frees the block whatever its lock count; null is ignored.
void BlockFree(BlockHandle block);

}  // namespace tsy
