-- x'subtype as a subtype indication: the object's name stands for the
-- type, in a signal, a constant, a variable and a port
entity e is
  port (i : in word; o : out i'subtype);
end e;
architecture a of e is
  signal s : i'subtype;
  signal z : o'subtype := (others => '0');
  constant c : i'subtype := i;
begin
  process
    variable t : str'subtype := str;
  begin
    t := s;
    wait;
  end process;
end a;
