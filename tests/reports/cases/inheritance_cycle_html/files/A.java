package zoo;
class A extends B {
}
