-- Concurrent assertions and procedure calls are the sequential texts,
-- a label is glued on with a colon; processes sit among them.
architecture rtl of e is
begin
  assert en = '1' report "disabled";
  chk : assert a /= b severity warning;
  log(s);
  trace : show(a, b);
  tick;
  clk <= not clk after 10 ns;
  p : process begin wait on clk; end process;
end rtl;
