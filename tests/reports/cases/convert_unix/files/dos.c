a;
b;

c;