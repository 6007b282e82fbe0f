// The plug-in's 16-bit row conversions against the per-value conversions
// they stand for (host/common's PixelConvert), over every value, in rows
// of every length around the vector widths and at every element offset,
// for each instruction set the processor runs.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "engine/FnBalanceKernel.h"
#include "host/common/PixelConvert.h"
#include "openfx/ColBalanceOfxRows.h"

namespace {

std::vector<const ColBalanceOfxRows16*> tables() {
    std::vector<const ColBalanceOfxRows16*> t{&colBalanceOfxRowsAny};
    if (fnBalancePathSupported(FnBalancePath::kAvx2)) t.push_back(&colBalanceOfxRowsAvx2);
    return t;
}

// Rows of `n` values from `first` on (wrapping), written at element
// offset `at` of a buffer whose other elements must stay untouched.
template <class In, class Out, class Fn, class One>
void checkRows(Fn fn, One one) {
    constexpr Out kGuard = Out(0x5a5a);
    for (size_t n :
         {size_t(0), size_t(1), size_t(15), size_t(16), size_t(17), size_t(47), size_t(65536)}) {
        for (size_t at = 0; at < 17; ++at) {
            std::vector<In> in(n);
            for (size_t i = 0; i < n; ++i) in[i] = In(uint16_t(i * 40503u + at));
            std::vector<Out> out(n + at + 20, kGuard);
            fn(in.data(), out.data() + at, n);
            for (size_t i = 0; i < at; ++i) ASSERT_EQ(out[i], kGuard) << n << " at " << at;
            for (size_t i = 0; i < n; ++i)
                ASSERT_EQ(out[at + i], one(in[i])) << n << " at " << at << " value " << in[i];
            for (size_t i = at + n; i < out.size(); ++i)
                ASSERT_EQ(out[i], kGuard) << n << " at " << at;
        }
    }
}

TEST(OfxRows, EveryValueAsTheFileConversions) {
    for (const ColBalanceOfxRows16* t : tables()) {
        checkRows<uint16_t, int16_t>(t->toStorage, pixconv::fromU16);
        checkRows<uint16_t, int16_t>(t->maskToStorage, pixconv::maskFromU16);
        checkRows<int16_t, uint16_t>(t->fromStorage, pixconv::toU16);
        if (t->fromStorageStreaming)
            checkRows<int16_t, uint16_t>(t->fromStorageStreaming, pixconv::toU16);
    }
}

}  // namespace
