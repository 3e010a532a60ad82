entity top is
  port (i1, i2 : in bit; o : out bit);
end top;
architecture s of top is
  component and2
    port (a, b : in bit; y : out bit);
  end component;
  component buf
    generic (d : time := 1 ns);
    port (a : in bit; y : out bit);
  end component;
  signal n : bit;
  procedure show (v : in integer) is
  begin
    null;
  end show;
begin
  u1 : and2 port map (a => i1, b => i2, y => n);
  b : block
    port (p : in bit);
    port map (p => i1);
  begin
  end block;
  process (n) begin o <= n; end process;
end s;
package comps is
  component inv port (a : in bit; y : out bit); end component;
end comps;
entity e is port (clk : in bit); end e;
architecture r of e is begin process begin null; end process; end r;
