-- x'element names the element type of an array, where a subtype is meant:
-- written as the array's name, as x'subtype is; elsewhere element is the
-- identifier it is in VHDL-87 (a signal's name, an attribute's)
architecture a of e is
  signal d : t'element := (others => '0');
  constant c : t'element;
  signal element : bit;
begin
  x <= y'element;
  element <= d;
end a;
