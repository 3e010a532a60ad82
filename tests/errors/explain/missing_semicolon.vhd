architecture a of e is
begin
  process
  begin
    x := a + b  -- the next value

    y := x;
  end process;
end;
