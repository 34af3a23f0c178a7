/* Prints the OEM and ANSI code pages Windows (or Wine, from its locale) gives
   a program: the test command reports them for every Wine run. */
#include <stdio.h>
#include <windows.h>

int main(void) {
  printf("OEM %u / ANSI %u\n", GetOEMCP(), GetACP());
  return 0;
}
