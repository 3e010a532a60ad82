-- A bit string wider than 32 bits wraps: flagged with its value when that
-- fits in 64 bits; 32 bits and fewer are not.
p : process
begin
  x := x"123456789";
  x := o"77777777777";
  x := b"1111_0000_1111_0000_1111_0000_1111_0000_1";
  x := x"0123456789abcdef0123";
  x := x"ffffffff";
  x := b"1010";
  x := o"17";
end process;
