#pragma once
// A thread inherits the vector registers of the thread that made it. When
// that thread had just run AVX code (Qt's drawing and the C library's string
// functions do) and left the upper halves of the registers in use, every
// SSE instruction of the new thread pays a state-transition penalty until
// they are cleared: a run on such a thread took five times its CPU time,
// nearly all of it in the C library's pow. Clearing them first costs nothing.

namespace lamvero {

// Marks the upper halves of the vector registers unused on processors that
// have them; elsewhere does nothing. Values in the lower halves are kept.
void ClearUpperVectorState();

}  // namespace lamvero
