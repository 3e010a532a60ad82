entity d is port (clk : in bit); end d;
architecture r of d is
  use work.decls.all;
  constant c0 : integer := 1;
  signal s1, s2 : bit;
  type t is (a, b);
  subtype small is integer range 0 to 3;
  attribute keep : boolean;
  function twice (v : integer) return integer is
    constant two : integer := 2;
    variable acc : integer;
    use work.decls.all;
  begin
    acc := v * two;
    return acc;
  end twice;
begin
  process (clk)
    use work.decls.all;
    constant k : natural := 3;
    variable cnt : integer := 0;
    type mode_t is (off, run);
    subtype nib is bit_vector(3 downto 0);
    attribute mark : integer;
    attribute mark of cnt : variable is 5;
    procedure bump is
    begin
      cnt := cnt + k;
    end bump;
  begin
    bump;
  end process;
end r;
