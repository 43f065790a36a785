#include "platform/memory_block.h"
#include "tessaly/encoders.h"

extern "C" TSY_API void TsyRasterRelease(TsyMemoryBlock* handle) {
    if (!handle) return;
    tsy::BlockUnlock(handle);
    tsy::BlockFree(handle);
}
