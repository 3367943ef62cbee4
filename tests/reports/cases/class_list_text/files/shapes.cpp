template <class T>
struct Holder {
  T value;
};

class Shape : public Base<int> {
public:
  virtual ~Shape();
  int area(int w, int h) { if (w > h) return w; return h; }
  class Part {
    int id;
  };
protected:
  int kind;
};
