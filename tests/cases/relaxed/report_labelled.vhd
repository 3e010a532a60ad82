-- a labelled report statement reads as a labelled assertion
architecture a of e is
begin
  l : report "x";
  process
  begin
    report "y" severity note;
    wait;
  end process;
end a;
