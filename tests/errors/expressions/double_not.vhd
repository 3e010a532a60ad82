signal s : integer := not not a;
