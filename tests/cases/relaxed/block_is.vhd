-- block [(guard)] is, nested parentheses in the guard; end block stays
architecture a of e is
begin
  b1 : block is
  begin
  end block b1;
  b2 : block (clk = '1') is
    signal s : bit;
  begin
    s <= guarded a;
  end block;
  b3 : block ((a and (b or c)) = '1') is
  begin
  end block b3;
  b4 : block
  begin
  end block;
end a;
