signal s : integer := - a ** b;
