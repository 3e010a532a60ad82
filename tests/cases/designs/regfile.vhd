-- Register file: four eight-bit registers, register 0 reads as zero.
-- One write port, two read ports.
library ieee;
use ieee.std_logic_1164.all;

entity regfile is
  port (clk, we           : in  std_logic;
        waddr             : in  integer;
        raddr_a, raddr_b  : in  integer;
        wdata             : in  std_logic_vector(7 downto 0);
        rdata_a, rdata_b  : out std_logic_vector(7 downto 0));
end regfile;

architecture structural of regfile is
  component reg8
    port (clk, en : in  std_logic;
          d       : in  std_logic_vector(7 downto 0);
          q       : out std_logic_vector(7 downto 0));
  end component;
  type reg_array is array (0 to 3) of std_logic_vector(7 downto 0);
  signal regs   : reg_array;
  signal enable : std_logic_vector(0 to 3);
begin
  -- One register per address, each with its own write enable.
  cells : for i in 0 to 3 generate
    zero : if i = 0 generate
      regs(i) <= (others => '0');
    end generate zero;
    rest : if i /= 0 generate
      enable(i) <= we when waddr = i else '0';
      r : reg8 port map (clk => clk, en => enable(i), d => wdata, q => regs(i));
    end generate rest;
  end generate cells;

  -- Read ports.
  read : process (regs, raddr_a, raddr_b)
  begin
    rdata_a <= regs(raddr_a);
    rdata_b <= regs(raddr_b);
  end process read;
end structural;
