-- words reserved only by later editions stay names where the later grammar
-- cannot take them as keywords: the same file in VHDL-87 is its twin
architecture a of e is
  signal context, xnor, sll, ror : bit;
  constant pure : integer := 0;
  constant impure : integer := 1;
begin
  ror <= context and xnor;
  process (sll)
    variable shared : integer;
  begin
    shared := impure;
  end process;
end a;
