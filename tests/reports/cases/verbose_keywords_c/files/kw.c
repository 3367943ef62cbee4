/* Keyword counts */
#include <stdlib.h>
#define MAX(a, b) ((a) > (b) ? (a) : (b))
typedef struct node node_t;
enum color { RED, GREEN };
union { int i; float f; } u;
static const int limit = 3;

int run(int n)
{
  int i, total = 0;
  char *p = malloc(8);
  for (i = 0; i < n; i++) {
    switch (i) {
    case 0:
      total += 1;
      break;
    default:
      break;
    }
    if (i > limit) {
      goto done;
    } else {
      continue;
    }
  }
  do {
    total--;
  } while (total > 0);
done:
  free(p);
  if (total < 0)
    exit(1);
  return total;
}
