-- Generate statements are written back inline behind a C header: a for
-- scheme gives a for header (an attribute range reuses the last explicit
-- bounds), an if scheme an if header.
architecture rtl of e is
begin
  g1 : for i in 0 to 3 generate u : inv port map (x(i), y(i)); end generate;
  g2 : if n > 0 generate s <= a; end generate;
  g3 : for i in 7 downto 0 generate
    g4 : if i = 0 generate
      b(i) <= a(i);
    end generate g4;
    g5 : if i /= 0 generate
      b(i) <= a(i) xor a(i - 1);
    end generate g5;
  end generate g3;
  g6 : for j in a'range generate c(j) <= not a(j); end generate;
end rtl;
