architecture a of e is
begin
  y <= a and b or c;
end;
