-- No limit of 20 a kind: standard error shows 20 warnings and counts the
-- rest; the C text has every one of its 23 annotations.
entity e is
end e;
architecture a of e is
begin
  process
  begin
    wait for 1 ns; wait for 2 ns; wait for 3 ns; wait for 4 ns; wait for 5 ns;
    wait for 6 ns; wait for 7 ns; wait for 8 ns; wait for 9 ns; wait for 10 ns;
    wait for 11 ns; wait for 12 ns; wait for 13 ns; wait for 14 ns; wait for 15 ns;
    wait for 16 ns; wait for 17 ns; wait for 18 ns; wait for 19 ns; wait for 20 ns;
    wait for 21 ns; wait for 22 ns; wait for 23 ns;
  end process;
end a;
