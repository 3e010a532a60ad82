entity inv is port (a : in bit; y : out bit); end inv;
architecture rtl of inv is begin process (a) begin null; end process; end rtl;
