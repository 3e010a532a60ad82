-- Blocks are written back as VHDL words around their translated parts.
-- The declarations of a block's generics and ports stay pending and
-- reach the parameter declarations of the next entity's processes.
architecture rtl of e is
begin
  b1 : block begin s <= a; end block;
  b2 : block (en = '1')
    signal t : bit;
  begin
    t <= guarded a;
    s <= t;
  end block b2;
  b3 : block
    generic (n : integer);
    generic map (n => 4);
    port (x : in bit; y : out bit);
    port map (x => a, y => s);
  begin
    inner : block begin y <= not x; end block inner;
  end block;
end rtl;
entity f is port (p : in bit); end f;
process begin null; end process;
