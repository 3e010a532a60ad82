entity e1 is
  port (a, b : in bit; c : out bit_vector(3 downto 0));
end e1;
entity e2 is
  generic (n : integer := 8; t_pd : time);
end e2;
architecture a of e1 is
begin
  process begin null; end process;
end a;
entity e3 is
  generic (w : natural := 4);
  port (x : in std_logic; z : out std_logic_vector(w - 1 downto 0));
end e3;
architecture b of e3 is
begin
  process begin null; end process;
end b;
