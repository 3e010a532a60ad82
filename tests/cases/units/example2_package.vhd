package p is constant n : integer := 4; end p;
