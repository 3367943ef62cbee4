public class Circle extends Shape implements Drawable {
  public int r;
  int area() { return r * r; }
}
