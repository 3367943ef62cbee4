/* Messages */
#include <stdio.h>
static const char *names[] = { "alpha", "beta" };  /* two */
int main(void)
{
  printf("Error: %s\n", names[0]); // report
  puts("\tTabbed <text> & more\n");
  puts("");
  return 0;
}
