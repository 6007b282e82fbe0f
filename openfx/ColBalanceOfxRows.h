// The 16-bit row conversions of the plug-in's pieces (ColBalanceOfxRender),
// as colbalance converts 16-bit files (host/common's PixelConvert): host
// elements to the engine's 2.14 storage and back, and masks.  The loops are
// compiled once for any x86-64 and once with AVX2 (ColBalanceOfxRowsAvx2),
// picked at run time: the same values either way.
#pragma once

#include <cstddef>
#include <cstdint>

struct ColBalanceOfxRows16 {
    // n elements each: colour channels, colour channels back, mask values.
    void (*toStorage)(const uint16_t* s, int16_t* d, size_t n) = nullptr;
    void (*fromStorage)(const int16_t* s, uint16_t* d, size_t n) = nullptr;
    void (*maskToStorage)(const uint16_t* s, int16_t* d, size_t n) = nullptr;
    // fromStorage written around the caches with streaming stores, fenced,
    // for outputs past the caches; null where the loops have none.
    void (*fromStorageStreaming)(const int16_t* s, uint16_t* d, size_t n) = nullptr;
};

// The loops for any processor, and the AVX2 loops (x86-64 only; call them
// only where the processor has AVX2).
extern const ColBalanceOfxRows16 colBalanceOfxRowsAny;
extern const ColBalanceOfxRows16 colBalanceOfxRowsAvx2;

// The fastest the processor runs.
const ColBalanceOfxRows16& colBalanceOfxRows16();
