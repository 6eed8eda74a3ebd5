#include "run/vectorstate.h"

namespace lamvero {

void ClearUpperVectorState() {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
  if (__builtin_cpu_supports("avx")) asm volatile("vzeroupper");
#endif
}

}  // namespace lamvero
