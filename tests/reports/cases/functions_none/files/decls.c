/* Declarations only: no function bodies. */
#include <stdio.h>

extern int counter;
int add(int a, int b);
static const char *name = "x";
