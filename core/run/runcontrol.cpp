#include "run/runcontrol.h"

namespace lamvero {

const char* ControlName(RunControl c) {
  static const char* const kNames[] = {
#define LAMVERO_NAME_ENTRY(name) #name,
      LAMVERO_RUN_CONTROLS(LAMVERO_NAME_ENTRY)
#undef LAMVERO_NAME_ENTRY
  };
  return kNames[IndexOf(c)];
}

}  // namespace lamvero
