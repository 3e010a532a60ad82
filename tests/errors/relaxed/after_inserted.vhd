-- the error is at the token after an inserted one
architecture a of e is
begin
  process
  begin
    report ;
  end process;
end a;
