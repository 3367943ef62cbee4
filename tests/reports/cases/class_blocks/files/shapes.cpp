// Shapes.
class Shape {
public:
  virtual ~Shape() {}
  int sides;
};

struct Point : public Shape, Base {
  int x, y;
};
