-- a sign before a factor with **; an attribute range with its dimension
-- in a for loop, read as the attribute range
architecture a of e is
begin
  process
  begin
    append(arr, -2**13);
    x := -2**(w-1) - 2**(w - 2);
    y := -2.0**(-32) + 3;
    z := +2 ** 3;
    for i in v'range(1) loop
      null;
    end loop;
    for i in 0 to 3 loop
      g : for j in m'reverse_range(2) loop null; end loop;
    end loop;
  end process;
end a;
