architecture a of e is
begin
  g: for i in 0 to 3 generate
    signal t : bit;
  begin
    t <= x(i);
  end generate;
end;
