-- external names: as an alias's name (absolute, relative with ^.) and as
-- operands in an expression and a condition
architecture a of e is
  alias FIFO_WIDTH is << constant .FIFO_TestHarness.AXISTREAM_DATA_WIDTH : natural >>;
  alias ram is <<signal ^.OCRAM.gen.sim_tdp.ram : T_SLVV>>;
begin
  process
  begin
    x := <<variable dut.v : integer>> + 1;
    if a < <<signal .tb.s : integer>> then null; end if;
  end process;
end a;
