/* Quality notices raised by keywords */
int step(int *p, int n)
{
  int class = 0;
  void *q = realloc(p, n);
  while (n > 0) {
    if (n == 3)
      continue;
    n--;
  }
  if (!q)
    goto fail;
  break;
  return class;
fail:
  return -1;
}
