a;

b;
