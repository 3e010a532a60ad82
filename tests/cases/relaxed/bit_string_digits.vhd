-- a bit string whose digits make no number (VHDL-2008 allows any graphic
-- digit: don't-care and unknown bits) is the string of its digits; a bit
-- string of digits stays a number
architecture a of e is
begin
  x <= x"0000_00XX";
  y <= f(B"10--", o"7");
  z <= X"0F";
end a;
