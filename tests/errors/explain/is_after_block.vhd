architecture a of e is
begin
  b: block is
  begin
  end block;
end;
