package counts is
  subtype s1 is bit_vector(7 downto 0);
  subtype s2 is bit_vector(0 to 7);
  subtype s3 is bit_vector(15 downto 8);
  subtype s4 is bit_vector(3 to 3);
  subtype s5 is bit_vector(0 downto 7);
  subtype s6 is bit_vector(n - 1 downto 0);
  subtype s7 is bit_vector(-4 to 3);
  subtype s8 is std_logic_vector(16#1F# downto 2);
  subtype s9 is bit_vector(1_0 downto 0);
  subtype s10 is BIT_VECTOR(7 DOWNTO 0);
  subtype s11 is bit_vector(2 TO 9);
  constant c : bit_vector(3 downto 0) := v(11 downto 8);
end counts;
