#pragma once
// The current phase of the open stand: 0 the stand as measured, k the state
// after the k-th step. The start window shows it; the engine and the windows
// read and step it through these two functions.

// The current phase index, always 0..5.
int CurrentPhase();

// k in 0..5 becomes the current phase; a value above 5 (the callers pass 100)
// steps one forward, a negative value one back. A step never leaves 0..5: a
// step forward at phase 5 or back at phase 0 keeps the phase.
void SetCurrentPhase(int k);
