// Where a run's time goes: with TEV_TIMING set in the environment, each
// step prints one line on standard error, the wall time since the first
// step and the process's CPU time so far (the dynamic loader's included),
// in milliseconds, the page faults so far, then the step.
#pragma once

void timing_step(const char* step);
