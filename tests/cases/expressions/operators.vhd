-- Logical, relational, adding, multiplying and unary operators.
-- No grouping parentheses are added: the text keeps the source shape.
logic : process
begin
  x := a = b and c /= d;
  x := a or b or c;
  x := a xor b xor c;
  x := a nand b;
  x := a nor b;
  x := a < b and c <= d;
  x := a > b or c >= d;
  x := not a = b;
  x := not (a or b);
  X := A AND NOT B;
end process;
arith : process
begin
  n := a + b * c - d;
  n := (a + b) * c;
  n := a / b * c;
  n := i mod 4 + j rem 3;
  n := x ** 2;
  n := (a) ** (b + 1);
  n := - x + 1;
  n := + a;
  n := a * - b;
  n := - abs x;
  n := abs (a - b);
  n := a & b = c;
  n := s & '1' & "01";
end process;
