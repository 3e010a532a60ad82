entity e is
	port (a : in bit; q : out bit);
end e;
architecture x of e is
begin
	p : process (a)
		variable v : integer;
	begin
		v := 1 +;
		q <= a;
	end process;
end x;
