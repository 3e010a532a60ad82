-- Traffic-light controller: a Moore state machine with a state timer.
library ieee;
use ieee.std_logic_1164.all;

entity traffic_light is
  port (clk, reset          : in  std_logic;
        car                 : in  std_logic;
        red, yellow, green  : out std_logic);
end traffic_light;

architecture fsm of traffic_light is
  type state_type is (S_RED, S_GREEN, S_YELLOW);
  signal state, next_state : state_type;
  signal timer : integer range 0 to 15;
  constant GREEN_TIME : integer := 10;
begin
  -- State register and timer.
  regs : process (clk, reset)
  begin
    if reset = '1' then
      state <= S_RED;
      timer <= 0;
    elsif clk'event and clk = '1' then
      state <= next_state;
      if state /= next_state then
        timer <= 0;
      else
        timer <= timer + 1;
      end if;
    end if;
  end process regs;

  -- Next-state logic.
  logic : process (state, car, timer)
  begin
    next_state <= state;
    case state is
      when S_RED =>
        if car = '1' and timer >= 3 then
          next_state <= S_GREEN;
        end if;
      when S_GREEN =>
        if timer = GREEN_TIME then
          next_state <= S_YELLOW;
        end if;
      when S_YELLOW =>
        if timer = 2 then
          next_state <= S_RED;
        end if;
    end case;
  end process logic;

  -- Lamp outputs.
  red    <= '1' when state = S_RED    else '0';
  yellow <= '1' when state = S_YELLOW else '0';
  with state select
    green <= '1' when S_GREEN,
             '0' when others;
end fsm;
