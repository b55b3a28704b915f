#pragma once
#include "dialogue/text_streams.hpp"

// Runs the whole dialogue, from the opening title to ENDRUN. A failure is
// thrown (RunFailure, or MathError from the model) and ends the run.
void runDialogue(TextStreams& io);
