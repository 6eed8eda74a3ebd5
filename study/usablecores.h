#pragma once
// The cores this process may run on, as nproc counts them: a batch system's
// allotment (Slurm's --cpus-per-task, taskset) rather than the whole machine.
// A study runs one worker thread per core, in the runner and in the window.

namespace lamvero {

unsigned UsableCores();

}  // namespace lamvero
