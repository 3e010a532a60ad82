-- VHDL-2008's reduction operators, written with their own word: alone,
-- on a slice, beside a binary operator of the same word, in a process
architecture a of e is
begin
  p <= xor(d);
  q <= and d(3 downto 0) or b;
  r <= a and nor (b);
  process
  begin
    v := nand v;
    w := or (v & '1');
    wait;
  end process;
end a;
