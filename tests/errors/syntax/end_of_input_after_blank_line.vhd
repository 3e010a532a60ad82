entity e is
  port (a : in bit);

