-- A bit-vector object or port with a width is declared as a plain char:
-- flagged; an unconstrained port, a scalar, a string and a named array
-- type are not.
entity e is
  port (y : out bit_vector(7 downto 0);
        b : in bit_vector;
        c : in std_ulogic);
end e;
architecture a of e is
  signal s, t : std_logic_vector(6 downto 0);
  signal r : resolved std_logic_vector(3 downto 0);
  signal w : word;
  constant k : string(1 to 3) := "abc";
  constant m : bit_vector(1 to 2) := "01";
begin
  process
    variable v : std_ulogic_vector(0 to 15);
    variable i : integer range 0 to 7;
  begin
    wait;
  end process;
end a;
