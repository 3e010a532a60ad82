-- Wait statements: the on part becomes a comment, the until part a loop
-- while its condition does not hold, the for part an empty while loop; the text ends without a line end, so the
-- next statement follows on the same line.
waits : process
begin
  wait;
  x := 1;
  wait on a, b;
  x := 2;
  wait until c = '1';
  wait until done;
  wait for 10 ns;
  wait on clk until clk = '1' for 5 ns;
  x := 3;
  wait on a, b, c;
  wait;
end process;
