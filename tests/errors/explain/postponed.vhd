architecture a of e is
begin
  postponed assert a = b;
end;
