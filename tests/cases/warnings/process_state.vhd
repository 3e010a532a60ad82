-- What a process keeps: a variable read before it is assigned (its value
-- is kept between activations in VHDL, not in a C local), and a signal read
-- after its assignment (VHDL reads the old value until the process
-- suspends); beside each, forms that need no warning.
entity counter is
  port (clk, rst : in std_logic; q : out integer);
end counter;
architecture a of counter is
  signal cnt, other : integer;
begin
  p : process (clk)
    variable count : integer := 0;
    variable tmp : integer;
    variable late : integer;
  begin
    tmp := 1;
    if rst = '1' then
      late := 0;
      cnt <= 0;
    elsif rising_edge(clk) then
      count := count + tmp;
      cnt <= cnt + 1;
      if cnt = 9 then
        other <= late;
      end if;
    end if;
    q <= count;
  end process;
  r : process (clk)
  begin
    if rst = '1' then
      other <= 0;
    else
      cnt <= other;
    end if;
    q <= cnt'length;
  end process;
end a;
