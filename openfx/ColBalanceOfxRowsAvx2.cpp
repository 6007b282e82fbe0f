// The 16-bit row conversions for processors with AVX2 (compiled with
// -mavx2; picked only after a run-time check, ColBalanceOfxRows.cpp).
#include "openfx/ColBalanceOfxRowsTable.h"

constinit const ColBalanceOfxRows16 colBalanceOfxRowsAvx2 = ofxrows::rows();
