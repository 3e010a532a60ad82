-- component c is ... end component [c]
architecture a of e is
  component c is
    port (x : in bit; y : out bit);
  end component c;
  component d is
  end component;
  component g
    generic (n : integer := 1);
  end component;
begin
  u1 : c port map (x => a, y => b);
end a;
