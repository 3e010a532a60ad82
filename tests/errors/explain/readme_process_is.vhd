architecture rtl of counter is
begin
  process (clk) is
  begin
    if rising_edge(clk) then
      count <= count + 1;
    end if;
  end process;
end architecture rtl;
