architecture a of e is
begin
  process
  begin
    report "starting";
    wait;
  end process;
end;
