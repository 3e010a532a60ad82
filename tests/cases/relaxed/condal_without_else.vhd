-- a conditional signal assignment without a final else: alone, after other
-- conditions, labelled, guarded; one with its else stays as it was
architecture a of e is
begin
  q <= d when rising_edge(clk);
  r <= a when c = 1 else b after 1 ns when c = 2;
  l : s <= guarded a when en = '1';
  t <= a when c = 1 else b;
end a;
