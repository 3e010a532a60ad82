-- generate statements of the later editions: generate begin, a declarative
-- part (held in a block labelled like the generate), nested generates with
-- declarations, an if generate with declarations, closing labels
architecture a of e is
begin
  g1 : for i in 0 to 3 generate
  begin
    q(i) <= d(i);
  end generate;
  g2 : for i in 0 to 7 generate
    signal s : bit;
    constant k : integer := 2;
  begin
    s <= d(i);
    q(i) <= s;
  end generate g2;
  g3 : for i in 0 to 1 generate
    signal t : bit;
  begin
    g4 : for j in 0 to 1 generate
      signal u : bit;
    begin
      u <= t;
    end generate g4;
    g5 : if i = 0 generate
    begin
      t <= d(i);
    end generate;
  end generate g3;
  g6 : if w = 1 generate
    signal v : bit;
  begin
    v <= d(0);
  end generate g6;
end a;
