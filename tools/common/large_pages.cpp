#include "tools/common/large_pages.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>

void back_heap_with_large_pages()
{
    constexpr size_t large_page = size_t(2) << 20;
    constexpr size_t reserve = size_t(128) << 20;
    // glibc's malloc: blocks up to 32 MB (its most) come from the heap
    // rather than from mappings of their own, the heap grows by `reserve`
    // at a time, and a freed top is kept rather than given back.
    if (!mallopt(M_MMAP_THRESHOLD, 32 << 20) || !mallopt(M_TOP_PAD, int(reserve)) ||
        !mallopt(M_TRIM_THRESHOLD, int(2 * reserve)))
        return;
    // Grow the heap once now, and ask for large pages over the growth.
    const uintptr_t before = reinterpret_cast<uintptr_t>(sbrk(0));
    void* volatile block = std::malloc(large_page);  // volatile: kept, though unused
    const uintptr_t after = reinterpret_cast<uintptr_t>(sbrk(0));
    std::free(block);
    const uintptr_t from = (before + large_page - 1) & ~(large_page - 1);
    const uintptr_t to = after & ~(large_page - 1);
    if (to > from)
        madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
}
