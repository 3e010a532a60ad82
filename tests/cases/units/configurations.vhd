entity top is port (x, y : in bit; z : out bit); end top;
architecture cs of top is
  component c port (a : in bit); end component;
  for all : c use entity work.c;
  for u1, u2 : c use configuration work.ccfg generic map (n => 1);
  for others : c use open port map (a => open);
begin
end cs;
configuration cfg of e is for rtl end for; end cfg;
configuration cfg2 of top is
  use work.comps.all;
  attribute mark of cfg2 : configuration is 1;
  for s
    use work.other.all;
    for u1 : and2
      use entity work.and2(rtl) generic map (d => 2 ns) port map (a => x, b => y, y => z);
    end for;
    for all : buf
      use configuration work.bufcfg;
    end for;
    for others : inv
      use open;
    end for;
    for b
    end for;
  end for;
end cfg2;
