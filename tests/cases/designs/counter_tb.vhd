-- Testbench for the counter: a clock that stops when the test is done
-- and a stimulus process that checks the count with assertions.
entity counter_tb is
end counter_tb;

architecture bench of counter_tb is
  component counter
    generic (MAX : integer);
    port (clk, reset, load, enable : in  bit;
          din   : in  integer;
          count : out integer;
          tc    : out bit);
  end component;
  signal clk, reset, load, enable, tc : bit := '0';
  signal din, count : integer := 0;
  signal done : boolean := false;
  constant PERIOD : time := 10 ns;
begin
  dut : counter
    generic map (MAX => 9)
    port map (clk, reset, load, enable, din, count, tc);

  clock : process
  begin
    if not done then
      clk <= '0';
      wait for PERIOD / 2;
      clk <= '1';
      wait for PERIOD / 2;
    else
      wait;
    end if;
  end process clock;

  stimulus : process
  begin
    reset <= '1';
    wait until clk = '1';
    reset <= '0';
    enable <= '1';
    for i in 1 to 9 loop
      wait until clk'event and clk = '1';
      assert count = i report "count mismatch" severity error;
    end loop;
    wait for 1 ns;
    assert tc = '1' report "no terminal count" severity error;
    load <= '1';
    din <= 5;
    wait on count;
    assert count = 5 report "load failed";
    done <= true;
    wait;
  end process stimulus;
end bench;
