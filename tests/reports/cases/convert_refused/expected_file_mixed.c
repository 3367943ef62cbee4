a;
b;
