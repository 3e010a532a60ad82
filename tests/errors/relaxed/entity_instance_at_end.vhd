-- the input ends inside an entity instantiation: left as read
architecture a of e is
begin
  u1 : entity work.adder(rtl