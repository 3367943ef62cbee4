a;
b;

c;