-- every rewrite in one design, as later editions write it
library ieee;
use ieee.std_logic_1164.all;
use std.textio.all;

package util is
  pure function inc (x : integer) return integer;
  impure function now_count return integer;
end package util;

package body util is
  pure function inc (x : integer) return integer is
  begin
    return x + 1;
  end function inc;
  impure function now_count return integer is
  begin
    return 0;
  end function;
end package body util;

entity counter is
  port (clk, rst : in std_logic; q : out integer);
end entity counter;

architecture rtl of counter is
  type pair is record
    lo, hi : integer;
  end record pair;
  component reg is
    port (d : in std_logic; o : out std_logic);
  end component reg;
  signal n : integer;
  signal s : std_logic;
begin
  tick : process (clk, rst) is
    file log : text open write_mode is "log.txt";
  begin
    if rst = '1' then
      n <= 0;
      report "reset";
    elsif clk = '1' then
      case n is
        when 9 => report "wrap"; n <= 0;
        when others => n <= inc(n);
      end case check;
    end if hit;
    for i in 0 to 1 loop report "loop"; end loop;
    s <= std_logic'('1');
  end process tick;

  watch : postponed assert n < 10 report "range";

  g : block (clk = '1') is
  begin
    q <= guarded n;
  end block g;

  r1 : entity work.reg(behave) port map (d => s, o => open);
  r2 : component reg port map (s, open);
end architecture rtl;

configuration top of counter is
  for rtl
  end for;
end configuration top;
