entity e is end entity e;
