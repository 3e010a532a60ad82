-- Names whose C text means something else: calls and conversions written
-- as an index, an index written as a call, attributes, aggregates; beside
-- each, a form that needs no warning.
entity names is
  port (clk : in std_logic; d : in unsigned(7 downto 0));
end names;
architecture a of names is
  type table is array (0 to 7) of integer;
  signal t : table;
  signal v : std_logic_vector(7 downto 0);
  function f (x : integer) return integer is
  begin
    return x;
  end;
  function g (x, y, z : integer) return integer is
  begin
    return x;
  end;
  procedure show (x : integer) is
  begin
  end;
begin
  p : process (clk)
    variable n : integer;
  begin
    n := 0;
    if rising_edge(clk) then n := 1; end if;
    n := to_integer(d);
    v <= std_logic_vector(d);
    n := f(n);
    n := f(n, n);
    show(n);
    n := t(n);
    n := g(n, n, t(1));
    n := g(t(1), n, n);
    n := unknown(n);
    n := v'length - 1;
    n := t'high;
    for i in v'range loop n := i; end loop;
    assert v'length = 8 severity note;
    v <= (v(0), v(1), v(2), v(3), v(4), v(5), v(6), v(7));
    v <= (others => '0');
    v <= (0 => '1', others => '0');
  end process;
end a;
