-- an array constrained twice: in a signal, a constant, a subtype, a port
-- and a variable; with open first, with ranges of attributes, with a
-- record element constraint; a name with two suffixes and a selection
-- stays a name
entity e is
  port (rp : in T_SLVV(0 to N - 1)(7 downto 0));
end e;
architecture a of e is
  signal ram : T_SLVV(0 to 3)(7 downto 0) := (others => (others => '0'));
  signal r2 : T_SLVV(open)(7 downto 0);
  subtype st is T_SLVV(0 to 3)(7 downto 0);
  signal mux : T_VEC(1 downto 0)(re(7 downto 0), im(7 downto 0));
  constant c : T_SLVV(0 to 1)(3 downto 0) := (x"0", x"1");
  signal r3 : a(1)(2).x;
begin
  process
    variable qq : T_SLVV(z'range)(a'range);
  begin
    x := t(1)(2).x;
  end process;
end a;
