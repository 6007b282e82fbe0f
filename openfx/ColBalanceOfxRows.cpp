#include "openfx/ColBalanceOfxRows.h"

#include "engine/FnBalanceKernel.h"
#include "openfx/ColBalanceOfxRowsTable.h"

constinit const ColBalanceOfxRows16 colBalanceOfxRowsAny = ofxrows::rows();

const ColBalanceOfxRows16& colBalanceOfxRows16() {
#if defined(FN_OFX_HAVE_AVX2)
    // The engine's check: its AVX2 rows run where these do.
    static const bool avx2 = fnBalancePathSupported(FnBalancePath::kAvx2);
    if (avx2) return colBalanceOfxRowsAvx2;
#endif
    return colBalanceOfxRowsAny;
}
