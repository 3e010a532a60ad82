signal s : integer := not a ** b;
