-- an entity instantiation broken by a number: the parser stops at the 5
architecture a of e is
begin
  u1 : entity
    work
    .
    5;
end a;
