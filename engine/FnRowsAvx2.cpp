// The engine's vector row loops for processors with AVX2 (compiled with
// -mavx2; picked only after a run-time check, FnRowFunctions.cpp).
#include "engine/FnRowsTable.h"

constinit const FnRowFunctions fnRowsAvx2 = fnsimd::rowFunctions();
