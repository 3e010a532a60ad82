-- Rarer names: a character literal selected from a name, the range of an
-- indexed name or of an attribute, a port of mode buffer that is also
-- marked buffer, and a secondary unit given by the base unit alone.
entity e is port (q : out bit buffer; r : inout bit bus); end e;
type duration is range 0 to 1000 units tick; tock = tick; tack = 10 tick; end units;
p : process
begin
  c := chars.'a';
  c := work.pkg.'z';
  for i in m(1)'range loop
    x := x + i;
  end loop;
  for j in v'high'range loop
    null;
  end loop;
end process;
