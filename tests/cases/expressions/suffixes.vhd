-- A parenthesised suffix with one element is written as an index, with
-- more elements as an argument list; a range inside it becomes its
-- element count.  One flag serves every nesting level.
calls : process
begin
  x := f(x);
  x := f(x, y);
  x := m(i, j, k);
  x := f(g(y));
  x := f(g(y, z));
  x := f(g(y), x);
  x := f(x, g(y));
  x := f(x, a(1));
  x := f(x, y, a(1));
  x := f(x, y, (a(1)));
  x := f(w, x, y, g(z));
  x := f(x, y, g(z), h(w));
  x := f(g(a, b), h(c));
  x := f(x, y, a(1) + b(2));
  x := f(a, g(b, h(c)));
  x := f(a, b, g(h(c)));
  x := not a(1);
  v(i) := a(i + 1);
end process;
slices : process
begin
  x := v(7 downto 0);
  x := v(0 to 7);
  x := a(1 to 4);
  x := a(4);
  x := v(3 to 3);
  x := v(15 downto 8);
  x := v(0 downto 7);
  x := v(n - 1 downto 0);
  x := v(-4 to 3);
  x := f(x, 3 downto 0);
  x := v(f(1) downto 0);
  x := a(integer range 0 to 3);
end process;
chained : process
begin
  x := m(1)(2);
  x := f(a, b)(1);
  x := f(a)(b, c);
  p(a, b);
  p(a);
  p;
  p(x, y, q(z));
end process;
