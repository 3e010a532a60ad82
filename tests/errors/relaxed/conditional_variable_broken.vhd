-- a conditional variable assignment with nothing after its else stays
-- rejected, at the semicolon
architecture a of e is
begin
  process
  begin
    v := 1 when c else;
  end process;
end a;
