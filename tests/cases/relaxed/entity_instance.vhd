-- entity instantiation with and without the library and the architecture
-- name, and a component instantiation with component; an attribute of an
-- entity and a binding to an entity are VHDL-87 and stay
architecture a of e is
  attribute mark of e : entity is 1;
  attribute mark of c : component is 2;
  for u6 : c use entity work.adder(rtl);
begin
  u1 : entity work.adder(rtl) port map (x, y, s);
  u2 : entity work.adder port map (a => x, b => y);
  u3 : entity adder(rtl) generic map (4) port map (x, y, s);
  u4 : entity adder port map (x, y, s);
  u5 : component adder port map (x, y, s);
  u6 : c port map (x, y);
end a;
