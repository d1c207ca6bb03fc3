#pragma once

#include <cstddef>

namespace mirelo {

// Asks the system to back a large, not yet touched block with huge pages, so
// that filling the tables of a million-line model takes a few hundred page
// faults instead of tens of thousands. A hint only: where the system has no
// such pages nothing changes.
void AdviseLargeBlock(void* data, std::size_t bytes);

} // namespace mirelo
