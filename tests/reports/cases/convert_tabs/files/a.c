	int x;
	char *s = "a	b";
