-- A range written as a count whose length the translation cannot know:
-- a bound that is a name, a based literal, a literal with underscores, or a
-- null range; the warning says the count is not the length, and gives no
-- number it does not know.  Beside them, decimal bounds give the length.
entity e is end e;
architecture a of e is
  signal y : integer;
begin
  p : process
    variable x : integer;
  begin
    x := y(2 to latency);
    x := y(16#00# to 16#02#);
    x := y(1_023 downto 0);
    x := y(0 downto 3);
    x := y(7 downto 0);
    x := y(-1 to 1);
    wait;
  end process;
end a;
