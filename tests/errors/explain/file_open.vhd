architecture a of e is
begin
  process
    file f : text open read_mode is "data.txt";
  begin
    wait;
  end process;
end;
