signal s : integer := - - a;
