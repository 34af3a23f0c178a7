// GlobalAlloc and GlobalFree over malloc; GMEM_FIXED blocks are their own handles.
#include "win_api.h"

#include <stdlib.h>
#include <string.h>

extern "C" {

HGLOBAL WINAPI GlobalAlloc(UINT uFlags, SIZE_T dwBytes) {
  void* block = malloc(dwBytes ? dwBytes : 1);
  if (block && (uFlags & GMEM_ZEROINIT)) memset(block, 0, dwBytes);
  return block;
}

HGLOBAL WINAPI GlobalFree(HGLOBAL hMem) {
  free(hMem);
  return nullptr;
}

}  // extern "C"
