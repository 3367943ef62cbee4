int z = a ? b : c;
