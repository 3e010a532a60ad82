-- A range written as its element count: flagged in a slice, an argument
-- list, a case choice and an aggregate's choice; an index, a single
-- choice, a subtype's constraint and an array's index range are not.
package ranges is
  subtype byte is bit_vector(7 downto 0);
  type word is array (15 downto 0) of bit;
end ranges;
p : process
begin
  x := y(3 downto 0);
  x := f(a, 1 to 3);
  x := y(3);
  x := z(i)(7 downto 4);
  case s is
    when 2 to 5 => null;
    when 1 | 6 => null;
    when others => null;
  end case;
  x := (0 to 3 => '0', others => '1');
  x := (others => '1');
end process;
