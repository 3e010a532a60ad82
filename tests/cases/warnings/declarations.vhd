-- Declarations whose C text means something else; beside each, a form that
-- needs no warning.
package decls is
  type mem is array (natural range <>) of integer;
  type rom is array (0 to 15) of integer;
  constant a, b : integer := 0;
  constant c : integer := 0;
  procedure get (x : in integer; y : out integer; z : inout integer);
  procedure put (x : in integer; signal s : in integer);
end decls;
entity decl is
  port (n : in natural; m : in integer range 0 to 255; o : out natural);
end decl;
architecture a of decl is
  signal p : positive;
  signal k : natural range 0 to 7;
  signal s : signed(7 downto 0);
  signal u : unsigned(15 downto 0) := (others => '0');
  signal i : integer;
begin
end a;
