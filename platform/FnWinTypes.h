// The Win32 base types that the COM layer and the window layer both name.
// One definition, so that code including both (the property pages) sees
// the same types.
#pragma once

#include <cstdint>

typedef int BOOL;
typedef std::uint32_t DWORD;
typedef unsigned int UINT;
// A module's instance handle: opaque, compared only.
typedef void* HINSTANCE;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif
