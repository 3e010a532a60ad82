-- the alternatives of an if generate may each have a label (VHDL-2008):
-- dropped, as an if's closing name is; with and without begin
architecture a of e is
begin
  g : if first : c = 1 generate
    signal s : bit;
  begin
    x <= s;
  elsif second : c = 2 generate
    x <= y;
  elsif c = 3 generate
    x <= v;
  else last : generate
  begin
    x <= z;
  end generate g;
  h : if only : c = 1 generate
    x <= w;
  elsif other : c = 2 generate
    signal t : bit;
  begin
    x <= t;
  else rest : generate
    x <= u;
  end generate;
end a;
