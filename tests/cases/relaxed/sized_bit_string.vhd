-- a bit string with its size in front reads as the bit string: in a
-- declaration, in a call, in an aggregate, next to a character literal
architecture a of e is
  constant c : word := 32x"ff";
  constant d : word := 8b"1010_0101";
begin
  process
  begin
    write(m, 32x"04", 16o"17");
    v := (0 => 8x"0f", 1 => x"10");
    q <= std_logic'('1');
    wait;
  end process;
end a;
