architecture a of e is
  shared variable count : integer := 0;
begin
end;
