type T;
signal s : integer := X"AB";
