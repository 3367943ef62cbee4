// Namespaces and exceptions
using namespace std;
namespace outer {
namespace inner {
int f();
}
}
int g()
{
  try {
    return f();
  } catch (...) {
    return 0;
  }
}
