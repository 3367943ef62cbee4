a;
b;
	c;