// tev-documents.so's entry: the booklet and the cutaway.
#include "tools/snapshot/documents.h"

extern "C" __attribute__((visibility("default"))) const DocumentWriters tev_document_writers = {write_booklet,
                                                                                                 write_cutaway};
