-- Concurrent, conditional and selected signal assignments are written
-- back as VHDL with translated expressions; the commas between selected
-- alternatives are not written.
architecture rtl of e is
begin
  s <= a;
  l1 : s <= a;
  (a, b) <= pair;
  y <= a when c = '1' else b;
  y <= "00" when sel = 0 else "01" when sel = 1 else "11";
  y <= a after 1 ns when c else b after 2 ns;
  s <= guarded a after 5 ns;
  s <= transport a;
  s <= guarded transport a, b after 1 ns;
  with s select y <= a when '0', b when others;
  with sel select
    y <= a when 0, b when 1 | 2, c when others;
  l2 : with sel select y <= a after 1 ns when 0 to 3, b when others;
end rtl;
