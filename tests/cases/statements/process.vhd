-- A process becomes a function named by its label (process_A without
-- one), headed by the port names of the last entity with a port clause
-- and declaring the generics and ports of the last entity.  The
-- sensitivity list and the closing label leave no trace.
process begin null; end process;
entity e is
  generic (width : integer := 8);
  port (clk, rst : in bit; q : out integer);
end e;
architecture a of e is
begin
  p1 : process (clk, rst)
    variable v : integer;
    variable c : character := 'x';
  begin
    v := 1;
    q <= v;
  end process p1;
  process
  begin
    wait on clk;
  end process;
end a;
entity quiet is
  generic (n : natural);
end quiet;
architecture b of quiet is
begin
  process begin wait; end process;
end b;
