-- an if generate with elsif and else branches: plain, after begin, with
-- declarations (in an unlabelled block), nested
architecture a of e is
begin
  g1 : if w = 1 generate
    q <= d;
  elsif w = 2 generate
    q <= not d;
  elsif w = 3 generate
  begin
    q <= d and d;
  else generate
    q <= '0';
  end generate g1;
  g2 : if r generate
  begin
    q <= d;
  else generate
    signal s : bit;
  begin
    s <= d when rising_edge(clk);
    g3 : if w = 0 generate
      q <= s;
    else generate
    begin
      q <= not s;
    end generate;
  end generate;
end a;
