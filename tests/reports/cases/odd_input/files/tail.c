x;
y;