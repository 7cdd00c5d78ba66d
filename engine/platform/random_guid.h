// Fresh data-source identifiers.
#pragma once

#include "corvela/guid.h"

// A random (version 4, RFC 4122 variant) identifier from the kernel's
// random source.
Guid NewRandomGuid();
