int x; // y
}

/* c */
