// shapes.hh - a small hierarchy of plane figures.
#ifndef EXAMPLE_SHAPES_HPP
#define EXAMPLE_SHAPES_HPP

#include <string>
#include <utility>
#include <vector>

namespace geometry {

// Base of every figure: a name and two measures.
class Shape {
public:
    explicit Shape(std::string name) : name_(std::move(name)) {}
    virtual ~Shape() = default;

    virtual double area() const = 0;
    virtual double perimeter() const = 0;
    const std::string &name() const { return name_; }

protected:
    std::string name_;
};

class Circle : public Shape {
public:
    explicit Circle(double radius);
    double area() const override;
    double perimeter() const override;

private:
    double radius_;
};

class Rectangle : public Shape {
public:
    Rectangle(double width, double height);
    double area() const override;
    double perimeter() const override;

private:
    double width_;
    double height_;
};

// A square is a rectangle with equal sides.
class Square : public Rectangle {
public:
    explicit Square(double side) : Rectangle(side, side) { name_ = "square"; }
};

// The largest value of measure(item) over a range; zero when it is empty.
template <typename Range, typename Measure>
double largest(const Range &items, Measure measure)
{
    double best = 0.0;
    for (const auto &item : items)
        best = measure(item) > best ? measure(item) : best;
    return best;
}

double total_area(const std::vector<const Shape *> &shapes);

}  // namespace geometry

#endif  // EXAMPLE_SHAPES_HPP
