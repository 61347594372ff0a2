// Memory for drawing with Mesa's software rasteriser.
#pragma once

// Backs the heap with the kernel's 2 MB pages where it offers them on
// request (transparent huge pages in "madvise" mode), and keeps large blocks
// in the heap. The rasteriser copies a frame's vertices and bins into tens
// of megabytes of fresh memory; in 4 KB pages, the first frame spends longer
// in page faults than in drawing. Call it early in main, before the GL
// driver loads. Elsewhere (another allocator, such as a sanitizer's, or no
// such pages) it changes nothing.
void back_heap_with_large_pages();
