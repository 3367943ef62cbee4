// shapes.cpp - measures of the figures declared in shapes.hh.
#include "shapes.hh"

#include <cmath>
#include <iostream>
#include <stdexcept>

namespace geometry {

namespace {
const double kPi = 3.14159265358979323846;

// Rejects measures that cannot describe a real figure.
double checked(double value, const char *what)
{
    if (!(value > 0.0) || std::isinf(value))
        throw std::invalid_argument(std::string(what) + " must be positive");
    return value;
}
}  // namespace

Circle::Circle(double radius) : Shape("circle"), radius_(checked(radius, "radius")) {}

double Circle::area() const { return kPi * radius_ * radius_; }

double Circle::perimeter() const { return 2.0 * kPi * radius_; }

Rectangle::Rectangle(double width, double height)
    : Shape("rectangle"),
      width_(checked(width, "width")),
      height_(checked(height, "height"))
{
}

double Rectangle::area() const { return width_ * height_; }

double Rectangle::perimeter() const { return 2.0 * (width_ + height_); }

double total_area(const std::vector<const Shape *> &shapes)
{
    double sum = 0.0;
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        if (shapes[i] != nullptr)
            sum += shapes[i]->area();
    }
    return sum;
}

}  // namespace geometry

int main()
{
    using namespace geometry;

    Circle c(1.5);
    Rectangle r(2.0, 3.0);
    Square s(2.5);
    std::vector<const Shape *> all = {&c, &r, &s};

    for (const Shape *shape : all)
        std::cout << shape->name() << ": area " << shape->area()
                  << ", perimeter " << shape->perimeter() << '\n';

	// Indented with a TAB on purpose.
    std::cout << "total area " << total_area(all) << '\n';
    std::cout << "largest perimeter "
              << largest(all, [](const Shape *p) { return p->perimeter(); })
              << '\n';
    return 0;
}
