signal s : integer := abs - a;
