package calls is
  constant c1 : integer := f(x);
  constant c2 : integer := f(x, y);
  constant c3 : integer := f(7 downto 0);
  constant c4 : integer := f(g(y));
  constant c5 : integer := f(g(y, z));
  constant c6 : integer := f(g(y), x);
  constant c7 : integer := f(x, g(y));
  constant c8 : integer := f(x, y, g(z));
end calls;
entity top is port (x : in bit; z : out bit); end top;
architecture s of top is
  component inv generic (d : time); port (a : in bit; y : out bit); end component;
begin
  u1 : inv generic map (d => 1 ns) port map (a => x, y => z);
  u2 : inv generic map (2 ns) port map (x, z);
  u3 : inv port map (a => x, y => open);
end s;
