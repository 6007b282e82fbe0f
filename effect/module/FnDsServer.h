// The classes the module serves: one row each, in registration order.
#pragma once

#include <cstddef>

#include "platform/com/ComBase.h"
#include "platform/com/Guid.h"
#include "platform/com/Unknown.h"

// One row per class the module serves.  `create` makes the class factory
// (null when out of memory).
struct FnDsClassRow {
    CLSID clsid;
    UINT nameId;
    IUnknown* (*createFactory)();
};

// The served classes, in registration order, and their count.
const FnDsClassRow* fnDsClassTable(size_t* count);
