entity e is end entity e;
signal s : integer := x"ab";
