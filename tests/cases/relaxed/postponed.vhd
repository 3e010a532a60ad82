-- postponed before process or assert is dropped; anywhere else it is an
-- identifier, as in VHDL-87
architecture a of e is
  signal postponed : bit;
begin
  postponed process (clk)
  begin
    postponed <= clk;
  end postponed process;
  chk : postponed assert clk = '1' report "low";
  postponed assert postponed = '0';
  postponed <= a;
end a;
