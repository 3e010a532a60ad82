signal s : integer := a and b or c;
