-- without --relaxed a bit string with its size in front is a number and a
-- bit string, as in VHDL-87: the parser stops at the bit string
architecture a of e is
  constant c : word := 32x"ff";
begin
end a;
