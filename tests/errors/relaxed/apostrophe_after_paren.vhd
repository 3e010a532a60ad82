-- after a ) the apostrophe is the apostrophe: the parser stops at the (
-- after it, not at a character literal '('
architecture a of e is
begin
  t <= v(1)'('0');
end a;
