/* add two numbers */
int add(int a, int b)
{
  return a + b;
}

int sign(int x)
{
  if (x < 0) {
    return -1;
  }
  return x > 0 ? 1 : 0;
}
