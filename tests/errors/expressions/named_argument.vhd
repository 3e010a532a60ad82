signal s : integer := f(x => 1);
