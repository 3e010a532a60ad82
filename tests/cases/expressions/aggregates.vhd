-- Aggregates join their elements with bare commas; a choice list keeps
-- its arrow and bars between spaces; a range choice is counted.
aggr : process
begin
  x := (a, b, c);
  v := (others => '0');
  v := (0 => '1', others => '0');
  v := (1 | 2 => x, others => y);
  v := (0 to 3 => '1');
  v := (7 downto 4 => '1', others => '0');
  (a, b) := pair;
  m := ((a, b), (c, d));
  x := (f(x), g(y));
  x := f(x, y, (a(1), b));
end process;
qual : process
begin
  x := t'(x);
  x := integer'(3);
  x := t'(a, b);
  v := t'(others => '0');
end process;
alloc : process
begin
  p := new node;
  p := new node'(x);
  p := new bit_vector(7 downto 0);
  p := new resolved bit;
  p := new resolved bit_vector(0 to 3);
end process;
