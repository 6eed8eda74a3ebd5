#pragma once
// Exit status of lamvero-batch.

namespace lamvero {

constexpr int kExitCompleted = 0;
constexpr int kExitFileError = 1;
constexpr int kExitUsageOrRefused = 2;  // CLI11's code for a usage error is kept for both
constexpr int kExitStopped = 3;         // a run had to stop; in a study: a case did not complete
constexpr int kExitInfeasible = 4;       // --optimise found no point that keeps every limit
constexpr int kExitSignalBase = 128;    // + the signal that stopped a study (SIGTERM: 143, SIGINT: 130)

}  // namespace lamvero
