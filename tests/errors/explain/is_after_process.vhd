architecture a of e is
begin
  p: process (clk, rst) is
  begin
  end process;
end;
