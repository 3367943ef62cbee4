package zoo;
class B extends A {
}
