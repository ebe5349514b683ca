#include "platform/memory/LargePages.h"

#include <mimalloc.h>

void UseLargeMemoryPages()
{
    // Asks for transparent huge pages where the system grants them and falls back to
    // ordinary pages where it does not; the option is read at every request to the system.
    mi_option_enable(mi_option_large_os_pages);
}
