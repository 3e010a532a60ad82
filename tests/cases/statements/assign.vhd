-- Signal and variable assignments, null statements and assertions.
-- Delays and the transport option survive only as comments.
sigs : process
begin
  s <= a;
  s <= a after 5 ns;
  s <= transport a;
  s <= transport a after 2 ns;
  s <= '1', '0' after 10 ns, '1' after 20 ns;
  v(3 downto 0) <= x"a";
  (a, b) <= pair;
  r.f <= not r.f;
  x := y;
  null;
end process;
asserts : process
begin
  assert ok;
  assert ok severity note;
  assert a = b report "mismatch" severity error;
  assert false report "done";
end process;
