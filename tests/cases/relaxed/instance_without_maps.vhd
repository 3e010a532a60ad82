-- an instantiation without maps, of an entity (with and without the library
-- and the architecture) and of a component; one with a generic map only
architecture a of e is
begin
  u1 : entity work.core;
  u2 : entity work.monitor(behav);
  u3 : component clock_source;
  u4 : entity core;
  u5 : entity lib.core generic map (4);
  u6 : component adder generic map (w => 8);
end a;
