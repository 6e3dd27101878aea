/* A tiny module for the library-loader tests: two exported functions whose
   results need all 64 bits of a pointer-sized integer. */
#include <stdint.h>

static int32_t cells[4];

/* The address of one of the module's own cells. */
intptr_t contractCell(int32_t index) { return (intptr_t)&cells[index & 3]; }

/* a in the upper half, b in the lower half of the result. */
intptr_t contractCombine(int32_t a, int32_t b) {
  return (intptr_t)(((uint64_t)(uint32_t)a << 32) | (uint32_t)b);
}
