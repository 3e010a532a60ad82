-- Component instantiations are written back with their generic and port
-- maps; actual parts are translated expressions.
architecture structure of top is
  component inv port (a : in bit; y : out bit); end component;
begin
  u1 : inv port map (a => x, y => z);
  u2 : inv port map (x(0), open);
  u3 : reg generic map (8) port map (d => bus_in(7 downto 0), q => q, clk => clk);
  u4 : cfg generic map (width => 4, depth => w * 2);
  u5 : work.cells.inv port map (x, y);
  u7 : inv port map (a => x);
  u6 : inv port map (a => s(1), y => t(2, 3));
end structure;
