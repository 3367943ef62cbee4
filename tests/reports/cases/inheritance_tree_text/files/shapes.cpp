// The base of all shapes.
class Shape {
};
// A shape with a radius.
class Round : public Shape {
};
// A round shape.
class Circle : public Round {
};
// A shape with a name.
class Box : public Shape, public Named {
};
