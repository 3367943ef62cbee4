// C++ keywords
#include <vector>
using namespace std;
namespace geo {
template <class T> class Box {
 public:
  explicit Box(T v) : value_(v) {}
  virtual ~Box() {}
  inline bool empty() const { return false; }
  Box& operator=(const Box& other);
 private:
  friend class Printer;
  T value_;
};
}
int main()
{
  geo::Box<int>* b = new geo::Box<int>(1);
  try {
    delete b;
  } catch (...) {
    return 1;
  }
  return 0;
}
