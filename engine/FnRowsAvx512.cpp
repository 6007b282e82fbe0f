// The engine's vector row loops for processors with AVX-512 F/BW/DQ/VL
// (compiled with those -m flags; picked only after a run-time check,
// FnRowFunctions.cpp).
#include "engine/FnRowsTable.h"

constinit const FnRowFunctions fnRowsAvx512 = fnsimd::rowFunctions();
