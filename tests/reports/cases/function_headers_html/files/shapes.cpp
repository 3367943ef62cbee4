// shapes
template <class T>
T twice(T v)
{
  return v + v;
}
inline int one() { return 1; }
int open(int a)
{
  if (a) {
    return a;
