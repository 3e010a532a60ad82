-- Each object takes the type mark of its own subtype indication, also when
-- a range constraint or a resolution function goes with it (an array type,
-- its element's).
entity e is
  port (p0 : in state_type;
        p1 : in integer range 0 to 7;
        p2 : out resolved natural range 0 to 3;
        p3 : out resolved std_logic;
        p4 : inout resolved std_logic_vector(3 downto 0));
end e;
architecture a of e is
  type state_type is (idle, run);
  signal s0 : state_type;
  signal s1 : integer range 0 to 15;
  signal s2 : resolved integer range 0 to 15 := 0;
  signal s3 : resolved std_logic;
  signal s4 : resolved std_logic_vector(7 downto 0) bus;
  constant c0 : state_type := idle;
  constant c1 : real range 0.0 to 1.0 := 0.5;
  constant c2 : resolved positive range 1 to 4 := 1;
  constant c3 : resolved boolean := true;
  constant c4 : resolved bit_vector(1 to 2) := "01";
  type table is array (0 to 3) of integer range 0 to 255;
  type lines is array (0 to 3) of resolved std_logic_vector(7 downto 0);
begin
  process
    variable v0 : state_type;
    variable v1 : natural range 0 to 9;
    variable v2 : resolved real range 0.0 to 2.0;
    variable v3 : resolved bit;
    variable v4 : resolved bit_vector(1 to 4);
  begin
    -- a range in a loop or a choice is no subtype indication
    for i in integer range 0 to 3 loop
      v0 := idle;
    end loop;
    case v1 is
      when natural range 0 to 3 => null;
      when others => null;
    end case;
  end process;
end a;
