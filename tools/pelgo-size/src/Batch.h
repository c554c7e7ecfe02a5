#pragma once

// The batch mode: one JSON case per input line, one JSON answer per line in
// the same order, an error object for a line that fails. Cases are
// independent, so they are sized on several threads.

#include <string>
#include <vector>

namespace pelgo::size {

// The answer line of one input line.
std::string answerLine(const std::string& line);

// The answers of `lines`, in order, sized on `jobs` threads (at least one).
std::vector<std::string> answerLines(const std::vector<std::string>& lines, unsigned jobs);

// Every step parses its data files afresh, so each case allocates and frees
// the same few megabytes again and again. Keeping freed memory in the heap,
// instead of returning it to the system and faulting it back in, makes a
// batch about a third faster. Call once, before sizing.
void keepFreedMemory();

// The threads to use by default: the machine's processors.
unsigned defaultJobs();

} // namespace pelgo::size
