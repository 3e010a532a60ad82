-- Operators whose C text means something else: each flagged form, and
-- beside it the same operator in a form that needs no warning.
entity ops is
  port (d, e : in std_logic; done : in boolean; v, w : in bit_vector(3 downto 0));
end ops;
architecture a of ops is
  type table is array (0 to 7) of integer;
  signal t : table;
  signal q : std_logic;
  signal r : bit_vector(7 downto 0);
begin
  p : process (d)
    variable n : integer := 0;
    variable ok : boolean;
  begin
    n := 0;
    r <= v & w;
    r <= "0" & v & w & "000";
    if v = w & "00" then ok := true; end if;
    assert r = v & w report "r is " & "wrong" severity note;
    q <= not d;
    ok := not done;
    ok := not (d = e);
    q <= d xor e;
    q <= d nand e;
    ok := done xor ok;
    ok := (d = '1') nand (e = '0');
    if n < 8 and t(n) = 1 then n := 1; end if;
    if n < 8 or t(n) = 1 then n := 1; end if;
    if n < 8 and n > 2 then n := 1; end if;
    if t(n) = 1 and n < 8 then n := 1; end if;
  end process;
end a;
