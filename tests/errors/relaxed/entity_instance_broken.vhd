-- an entity instantiation whose architecture name is not closed: the
-- parser stops at the port after rtl
architecture a of e is
begin
  u1 : entity work.adder(rtl port map (x);
end a;
