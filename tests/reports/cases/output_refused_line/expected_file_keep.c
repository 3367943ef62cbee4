int keep;
