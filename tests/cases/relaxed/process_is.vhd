-- process ... is: without a list, with a list, with nested parentheses in
-- the list, after a label and after postponed; end process stays
architecture a of e is
begin
  process is
  begin
    wait;
  end process;
  p1 : process (clk) is
  begin
    null;
  end process p1;
  p2 : process (a, b(1), c(f(2)), d((3))) is
    variable v : integer;
  begin
    v := 1;
  end process p2;
  p3 : postponed process (clk) is
  begin
    null;
  end postponed process p3;
  process
  begin
    wait;
  end process;
end a;
