architecture a of e is
begin
  process (all)
  begin
    y <= a;
  end process;
end;
