// The problem loop on several threads. The deck is cut into chunks of whole problems as they
// appear (a title record starts a problem) and each chunk runs on a thread of its own, from the
// state a warm-up leaves: the last problem of each beam code seen before, then the last problems of
// the chunk before, run from the latest state already proved. A chunk's results are used only once that start
// is proved: when the chunk before has ended, the true state must equal the warm-up state member for member
// (but for the members every problem writes before reading, see carried_difference) and the true run must
// stop at the very line where the chunk starts, or before lines the title search passes by that lead to it.
// Otherwise the chunk runs again from the true state, but only until that run stands at one of the
// checkpoints the chunk's own run kept (its line and state every few problems) with an equal state: from
// there the two runs are the same, and the rest of the chunk's results are used. The report, the results
// handed to Run::results_printed, their order and a fatal diagnostic are therefore those of the
// single-threaded loop. The thread that finishes the chunk first in deck order takes it (and the finished
// chunks after it): there is no thread but the `jobs` that run chunks. Chunks shrink as the end of the deck
// draws near, so that the threads end together. At most `jobs` + 2 chunks are held at once, and their buffers
// are reused from chunk to chunk.
#pragma once

#include <cstddef>

#include "driver/driver.h"

namespace ss {

struct ParallelOptions {
  int jobs = 2;                             // threads running chunks; 1 or less: run_problems
  int chunk_problems = 384;                 // titles a chunk holds
  int warm_problems = 2;                    // titles of the chunk before that its warm-up runs
  int checkpoint_every = 8;                 // problems between two checkpoints of a chunk's run
  std::size_t chunk_bytes = 128 * 1024;     // deck text that closes a chunk at the next title
  std::size_t max_chunk_bytes = 1u << 20;   // deck text that closes a chunk wherever it stands
  std::size_t deck_bytes = 0;               // the deck's size, when known: chunks shrink near its end
  std::size_t one_thread_below = 16 * 1024; // a known deck size under which one thread runs it all
};

// What the run did, for the tests and the benchmark.
struct ParallelCounts {
  long chunks = 0;         // chunks run
  long reruns = 0;         // chunks whose start was not proved and that ran again from the true state
  long joined = 0;         // of those, runs again that met the chunk's own run at a checkpoint
  long problems_rerun = 0; // problems those runs again began before they met it or ended
};

// Runs every problem of run.deck as run_problems does; throws FatalError as it does, after the
// report has received every line the single-threaded loop writes before the diagnostic.
ParallelCounts run_problems_parallel(Run &run, const DesignRoutines &routines, const RunStamp &stamp,
                                     const ParallelOptions &options);

} // namespace ss
