#include "platform/memory_block.h"
#include "tessaly/encoders.h"

extern "C" TSY_API void TsyRasterRelease(TsyMemoryBlock* handle) noexcept {
    if (!handle) return;
    tsy::BlockUnlock(handle);
    tsy::BlockFree(handle);
}
