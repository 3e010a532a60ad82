-- A wait for is written as a loop over a time: flagged; waits on a
-- signal, until a condition, or forever are not.
p : process
begin
  wait for 10 ns;
  wait on a, b until c = '1' for 5 ns;
  wait on a until c;
  wait until c;
  wait;
end process;
