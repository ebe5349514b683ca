#pragma once

// The programs allocate through mimalloc, which the executables link in place of the C
// library's allocator. A month of a ledger laid out for print is hundreds of megabytes of
// small objects; in pages of 2 MiB instead of 4 KiB the system maps them with a five-
// hundredth of the faults, which on a virtual machine is most of a report's time.
// Call first thing in main(), before the heavy allocations start.
void UseLargeMemoryPages();
