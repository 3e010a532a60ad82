-- Attributes become comments behind their prefix (a parameter is
-- dropped); selected names keep their dots; a lone identifier that names
-- a type is mapped, a suffix after a dot is not.
attrs : process
begin
  if clk'event and clk = '1' then
    n := s'image(x);
  end if;
  n := a'length + a(1)'length;
  n := b(a'range);
  n := s'delayed'event;
  n := v'high - v'low;
end process;
selected : process
begin
  r.field := rec.a.b;
  n := work.pkg.c + pkg."and"(a, b);
  n := r.integer + integer + r.f(1) + a(i).f;
  p := q.all;
  n := "and"(a, b);
  n := natural + positive + real + boolean;
end process;
