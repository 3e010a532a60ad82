-- Text of the design written inside a comment of the translation (an
-- assertion, an after clause, a wait on list): a "*/" in it, from an
-- attribute or a string, is written "* /" so that the comment does not end
-- early; a comment without one is written as it is.
entity e is
  port (d : in bit_vector(7 downto 0); q : out bit);
end e;
architecture a of e is
  signal s : bit;
begin
  q <= s after t'high when d'length = 8 else '0' after 1 ns;
  p : process
  begin
    assert d'length = 8 report "width */ wrong" severity error;
    assert d'length = 8 report "nested /* ' length */ text" & d'image(1) severity note;
    assert s = '1' report "plain" severity note;
    s <= '1' after t'high, '0' after 2 ns, '1' after d'length * 1 ns;
    wait on s'transaction, q;
    wait on s;
  end process;
end a;
