-- an entity instantiation whose architecture name is not closed is left as
-- read: the parser stops at entity
architecture a of e is
begin
  u1 : entity work.adder(rtl port map (x);
end a;
