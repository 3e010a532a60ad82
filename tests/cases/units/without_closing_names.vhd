-- Every unit and body may end without repeating its name: the closing
-- name is then an empty fragment and leaves only its separating space.
entity e is port (a : in bit; y : out bit); end;
architecture rtl of e is
begin
  process (a) begin y <= a; end process;
end;
package p is
  constant n : integer := 4;
end;
package body p is
  constant m : integer := 5;
  subtype small is integer range 0 to 3;
  function twice (v : integer) return integer is
  begin
    return v * 2;
  end;
end;
configuration c of e is
  for rtl
  end for;
end;
