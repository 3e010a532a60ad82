-- the filter reads past the token the parser stops at: the report names
-- entity, where the parser stopped, not the 5 read last
architecture a of e is
begin
  u1 : entity
    work
    .
    5;
end a;
