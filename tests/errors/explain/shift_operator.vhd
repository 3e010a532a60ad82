architecture a of e is
begin
  y <= a sll 2;
end;
