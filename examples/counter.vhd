-- Counter with synchronous reset, parallel load and a terminal-count
-- flag.
library ieee;
use ieee.std_logic_1164.all;

entity counter is
  generic (MAX : integer := 255);
  port (clk, reset  : in  std_logic;
        load, enable : in  std_logic;
        din          : in  integer;
        count        : out integer;
        tc           : out std_logic);
end counter;

architecture rtl of counter is
  signal value : integer := 0;
begin
  -- The count register.
  tick : process (clk)
  begin
    if clk'event and clk = '1' then
      if reset = '1' then
        value <= 0;
      elsif load = '1' then
        value <= din;
      elsif enable = '1' then
        if value = MAX then
          value <= 0;
        else
          value <= value + 1;
        end if;
      end if;
    end if;
  end process tick;

  count <= value;
  tc <= '1' when value = MAX and enable = '1' else '0';
end rtl;
