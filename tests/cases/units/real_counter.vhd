library ieee;
use ieee.std_logic_1164.all;

entity counter is
  generic (N : integer := 4);
  port (clk, rst : in std_logic;
        en : in std_logic;
        q : out std_logic_vector(N - 1 downto 0));
end counter;

architecture rtl of counter is
  signal count : integer range 0 to 15;
  constant MAX : integer := 2 ** N - 1;
  type state_t is (idle, counting);
  signal state : state_t;

  function next_state (s : state_t) return state_t is
  begin
    if s = idle then
      return counting;
    end if;
    return idle;
  end next_state;
begin
  seq : process (clk, rst)
    variable next_count : integer;
  begin
    if rst = '1' then
      count <= 0;
      state <= idle;
    elsif clk'event and clk = '1' then
      if en = '1' then
        next_count := count + 1;
        count <= next_count;
        state <= next_state(state);
      end if;
    end if;
  end process seq;

  output : process (count)
  begin
    q <= conv(count);
  end process;

  decode : process (state, count)
    variable tmp : integer range 0 to 15;
  begin
    case state is
      when idle =>
        tmp := 0;
      when counting =>
        for i in 0 to 3 loop
          tmp := tmp + i;
        end loop;
      when others =>
        null;
    end case;
    assert tmp /= 15 report "overflow" severity warning;
  end process decode;
end rtl;
