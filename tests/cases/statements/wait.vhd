-- Wait statements: the on part becomes a comment, until and for parts
-- become empty while loops; the text ends without a line end, so the
-- next statement follows on the same line.
waits : process
begin
  wait;
  x := 1;
  wait on a, b;
  x := 2;
  wait until c = '1';
  wait for 10 ns;
  wait on clk until clk = '1' for 5 ns;
  x := 3;
  wait on a, b, c;
  wait;
end process;
