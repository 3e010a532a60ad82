entity e is
	port (a : in bit);
			end	e		x;
