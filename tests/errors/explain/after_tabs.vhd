entity e is
	port (a :	in bit;	b :	out		;
		c : in bit);
end;
