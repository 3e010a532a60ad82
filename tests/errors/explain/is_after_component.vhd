architecture a of e is
  component inverter is
    port (a : in bit; y : out bit);
  end component;
begin
end;
