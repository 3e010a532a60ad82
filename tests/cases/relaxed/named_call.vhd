-- named association in calls: one named element, named elements only,
-- named and positional mixed, open, a nested call, a procedure call; an
-- index after a named element as after a positional one
architecture a of e is
begin
  process
  begin
    x := f(n => 1);
    x := f(a => 1, b => 2);
    x := f(1, b => 2);
    x := g(v(3), w => v(4));
    x := g(a => k, b => m(1), c => n(2)(3));
    x := g(k, m(1), n(2)(3));
    x := g(a => m(1));
    x := resize(arg => s, size => 8)(0);
    p(q => open, r => x);
    write(l, now, unit => ns);
    wait;
  end process;
end a;
