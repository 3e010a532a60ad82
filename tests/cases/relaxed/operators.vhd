-- xnor alone, chained and beside a relation; each shift operator, beside
-- an adding operator and a relation; a later word after xnor is a name
architecture a of e is
begin
  process
  begin
    x := a xnor b;
    x := a xnor b xnor c;
    x := (a = b) xnor c;
    x := a xnor (b and c);
    y := v sll 2;
    y := v sla 1 + 1;
    y := v srl n - 1;
    y := v sra 3;
    y := v rol 1;
    y := v ror k;
    t := v sll 1 = w;
    t := (v srl 1) & '0';
    x := a xnor sll;
    wait;
  end process;
end a;
