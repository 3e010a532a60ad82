signal first : integer range 0 to 7;
package objs is
  constant n : integer := 4;
  signal s, t : bit := '0';
  signal q : bit_vector(7 downto 0);
  subtype byte is bit_vector(7 downto 0);
  alias lsb : bit is s(0);
  attribute pin : integer;
  attribute pin of a : signal is 3;
  signal r : integer range 0 to 7;
  signal b1 : std_logic bus;
  signal b2 : std_logic register := 'Z';
  constant flags : bit_vector := B"1010";
  constant big : Natural := 1_000;
  constant ok : boolean := TRUE;
  constant half : real := 0.5;
  signal e1 : resolve bit;
  type arr2 is array (0 to 1) of integer range 0 to 3;
  constant deferred : integer;
end objs;
process
  variable v : integer;
  variable w : bit_vector(3 downto 0) := "0000";
  variable r8 : natural range 0 to 255 := 7;
begin
  v := 1;
end process;
