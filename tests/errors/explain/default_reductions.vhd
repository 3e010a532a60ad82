entity e is
end;
architecture a of e is
begin
  process
    variable x : integer;
  begin
    if a = b x := 1;
    end if;
  end process;
end;
