-- process (all), with and without is and a label: the list leaves no text
architecture a of e is
begin
  process (all)
  begin
    q <= d;
  end process;
  p1 : process (all) is
    variable v : bit;
  begin
    v := d;
    q <= v;
  end process p1;
  p2 : postponed process (all) is
  begin
    q <= d;
  end postponed process;
end a;
