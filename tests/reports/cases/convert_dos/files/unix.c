a;
b;
	c;