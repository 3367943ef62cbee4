/* never
closed
