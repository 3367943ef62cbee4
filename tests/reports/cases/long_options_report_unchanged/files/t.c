int f(int a)
{
	return a ? 1 : 2;
}
