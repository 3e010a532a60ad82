architecture a of e is
begin
  process
  begin
    if a = b then
      x := 1;
    end if check;
  end process;
end;
