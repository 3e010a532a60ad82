-- postponed before a signal assignment (plain, conditional, selected) and
-- a procedure call, labelled or not; postponed alone stays a name
architecture a of e is
  signal postponed : bit_vector(0 to 1);
begin
  postponed x <= a;
  p1 : postponed x <= a when c = '1' else b;
  postponed with s select x <= a when '0', b when others;
  p2 : postponed with s select x(1) <= a after 1 ns when others;
  postponed check(x);
  p3 : postponed check(x, y);
  postponed(1) <= a;
  postponed <= "01";
end a;
