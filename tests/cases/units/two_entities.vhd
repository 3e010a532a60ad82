entity first is
  port (a, b : in bit; y : out bit);
end first;
entity second is
  port (clk : in bit; d : in bit_vector(3 downto 0); q : out integer);
end second;
architecture rtl of first is
begin
  p1 : process (a, b)
  begin
    y <= a and b;
  end process;
  process
  begin
    null;
  end process;
end rtl;
