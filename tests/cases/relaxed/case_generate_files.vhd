-- a case generate, with choices, with declarations before begin, and
-- others; a file declaration of two names
architecture a of e is
  file f1, f2 : text;
begin
  g1 : case sel generate
    when 0 =>
      x <= a;
    when 1 | 2 =>
      signal t : bit;
    begin
      x <= t;
    when others => x <= b;
  end generate g1;
end a;
