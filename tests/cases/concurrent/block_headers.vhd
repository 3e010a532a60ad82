-- A block header may declare generics or ports without mapping them.
architecture rtl of e is
begin
  b1 : block
    generic (n : integer := 1);
  begin
    s <= a;
  end block b1;
  b2 : block
    port (x : in bit);
  begin
    s <= x;
  end block b2;
  b3 : block
    generic (m : integer);
    port (p, q : in bit);
    port map (p => a, q => b);
  begin
  end block;
end rtl;
