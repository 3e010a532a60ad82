-- The road of one input: an entity and an architecture with one process.
ENTITY E IS PORT (Clk : IN Bit; Q : OUT BIT); END E;
architecture A of e is
begin
	P1 : process (clk)
		variable V : Integer;
	begin
		v := 1; q <= clk;
	end process;
end a;
