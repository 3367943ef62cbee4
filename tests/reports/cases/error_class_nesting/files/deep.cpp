class A {
class A {
class A {
class A {
class A {
class A {
class A {
class A {
class A {
class A {
class A {
class A {
class A {
class A {
class A {
class A {
class A {
class A {
class A {
class A {
class A {
class A {
class A {
class A {
class A {
class A {
class A {
class A {
class A {
class A {
class A {
class A {
class A {
class A {
class A {
class A {
class A {
class A {
class A {
class A {
};
};
};
};
};
};
};
};
};
};
};
};
};
};
};
};
};
};
};
};
};
};
};
};
};
};
};
};
};
};
};
};
};
};
};
};
};
};
};
};
