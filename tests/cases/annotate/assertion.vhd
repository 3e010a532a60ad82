-- A note inside a comment that the translation writes (an assertion, an
-- after clause, nested in each other) ends with "* /": the comment holds,
-- and the note is still there to find.
entity e is
  port (v : in bit_vector(7 downto 0); q : out bit_vector(7 downto 0));
end e;
architecture a of e is
begin
  p : process (v)
  begin
    assert v(3 downto 0) = x"123456789" & v'length
      report "width */ wrong" severity error;
    q <= v(7 downto 4) & "0000" after v'length * 1 ns;
  end process;
end a;
