-- the input ends inside an entity instantiation: the error is at the end
-- of the input
architecture a of e is
begin
  u1 : entity work.adder(rtl