signal s : integer := a ** b ** c;
