-- shared variables, written as variable declarations where they stand: in
-- an entity, an architecture, a block, a generate, a package and a package
-- body
package p is
  shared variable pv : integer := 1;
end p;
package body p is
  shared variable bv : boolean;
end p;
entity e is
  port (d : in bit);
  shared variable ev : integer;
end e;
architecture a of e is
  shared variable av, aw : integer := 0;
begin
  b : block is
    shared variable kv : bit;
  begin
  end block;
  g : for i in 0 to 1 generate
    shared variable gv : integer := 2;
  begin
  end generate;
end a;
