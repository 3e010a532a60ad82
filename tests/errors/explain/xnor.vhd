architecture a of e is
begin
  y <= a xnor b;
end;
