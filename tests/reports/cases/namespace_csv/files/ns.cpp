// Shapes and sizes.
namespace geo {
int area(int w, int h) {
  return w * h;
}
int twice(int v) {
  return v + v;
}
}
