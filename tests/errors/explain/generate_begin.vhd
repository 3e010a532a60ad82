architecture a of e is
begin
  g: for i in 0 to 3 generate
  begin
    y(i) <= x(i);
  end generate;
end;
