-- A 4-bit counter with synchronous reset and enable.
library ieee;
use ieee.std_logic_1164.all;

entity counter is
  port (clk, reset, enable : in std_logic;
        count : out integer);
end counter;

architecture rtl of counter is
begin
  tick : process (clk)
    variable value : integer := 0;
  begin
    if clk'event and clk = '1' then
      if reset = '1' then
        value := 0;
      elsif enable = '1' then
        if value = 15 then
          value := 0;
        else
          value := value + 1;
        end if;
      end if;
    end if;
    count <= value;
  end process tick;
end rtl;
