-- With --relaxed: later editions' forms carry their annotations like their
-- VHDL-87 twins (postponed processes, process (all), component ... is,
-- end component NAME); no --explain, so standard error is the echo alone.
library ieee;
use ieee.std_logic_1164.all;
entity e is
  port (a : in std_logic_vector(7 downto 0); y : out std_logic);
end entity e;
architecture rtl of e is
  component c is
    generic (init : std_logic_vector(63 downto 0) := x"00000000ffffffff");
  end component c;
begin
  postponed process (all)
  begin
    y <= a(3 downto 0);
  end process;
  postponed process is
  begin
    wait for 1 ns;
  end process;
end architecture rtl;
